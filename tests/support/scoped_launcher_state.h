#pragma once
// Tests of the windows that read and write the process-wide state put all of it back as
// they found it, so test order never matters.
#include <algorithm>
#include <array>
#include <cstring>
#include <iterator>
#include <initializer_list>

#include "state/launcher_state.h"

class ScopedLauncherState {
public:
    ScopedLauncherState() { std::memset(displayDevices, 0, sizeof displayDevices); }
    ~ScopedLauncherState() { m_saved.Restore(); }
    ScopedLauncherState(const ScopedLauncherState&) = delete;
    ScopedLauncherState& operator=(const ScopedLauncherState&) = delete;

private:
    struct Snapshot {
        GameConfig gameConfig = ::gameConfig;
        int32_t cpuMHz = ::cpuMHz;
        uint8_t hardware3DAvailable = ::hardware3DAvailable;
        int32_t displayDeviceCount = ::displayDeviceCount;
        int32_t checkGdi = ::checkGdi;
        std::array<DisplayDevice, kDisplayDeviceSlots> displayDevices = Copy(::displayDevices);
        std::array<char, kDriverDllNameSize> driverDllName = Copy(::driverDllName);
        std::array<char, kMaxPath> installDir = Copy(::installDir);
        std::array<char, kMaxPath> gameExePath = Copy(::gameExePath);
        std::array<char, kMaxPath> rootExePath = Copy(::rootExePath);

        template <class T, size_t N>
        static std::array<T, N> Copy(const T (&from)[N]) {
            std::array<T, N> copy;
            std::copy(std::begin(from), std::end(from), copy.begin());
            return copy;
        }
        template <class T, size_t N>
        static void Put(const std::array<T, N>& from, T (&to)[N]) {
            std::copy(from.begin(), from.end(), to);
        }
        void Restore() const {
            ::gameConfig = gameConfig;
            ::cpuMHz = cpuMHz;
            ::hardware3DAvailable = hardware3DAvailable;
            ::displayDeviceCount = displayDeviceCount;
            ::checkGdi = checkGdi;
            Put(displayDevices, ::displayDevices);
            Put(driverDllName, ::driverDllName);
            Put(installDir, ::installDir);
            Put(gameExePath, ::gameExePath);
            Put(rootExePath, ::rootExePath);
        }
    };
    Snapshot m_saved;
};

struct ScriptedMode {
    int32_t width, height, bitsPerPixel;
};

// Gives a device slot these modes, in the order given (the table keeps them ascending).
inline void ScriptModes(int slot, std::initializer_list<ScriptedMode> modes) {
    DisplayDevice& device = displayDevices[slot];
    device.modeCount = 0;
    for (const ScriptedMode& mode : modes) {
        if (device.modeCount == kMaxDisplayModes) break;
        device.modeWidth[device.modeCount] = mode.width;
        device.modeHeight[device.modeCount] = mode.height;
        device.modeBitsPerPixel[device.modeCount] = mode.bitsPerPixel;
        ++device.modeCount;
    }
}
