#pragma once
// Tests of the windows that read and write the process-wide state put all of it back as
// they found it, so test order never matters.
#include <cstring>
#include <initializer_list>
#include <utility>
#include <vector>

#include "state/launcher_state.h"

class ScopedLauncherState {
public:
    ScopedLauncherState() {
        for (const auto& [address, size] : Variables()) m_saved.emplace_back(address, address + size);
        std::memset(displayDevices, 0, sizeof displayDevices);
    }
    ~ScopedLauncherState() {
        size_t i = 0;
        for (const auto& [address, size] : Variables()) std::memcpy(address, m_saved[i++].data(), size);
    }
    ScopedLauncherState(const ScopedLauncherState&) = delete;
    ScopedLauncherState& operator=(const ScopedLauncherState&) = delete;

private:
    template <class... T>
    static std::vector<std::pair<char*, size_t>> Bytes(T&... v) {
        return {{reinterpret_cast<char*>(&v), sizeof v}...};
    }
    static std::vector<std::pair<char*, size_t>> Variables() {
        return Bytes(gameConfig, cpuMHz, hardware3DAvailable, displayDevices, displayDeviceCount, checkGdi,
                     driverDllName, installDir, gameExePath, rootExePath);
    }
    std::vector<std::vector<char>> m_saved;
};

struct ScriptedMode {
    int32_t width, height, bitsPerPixel;
};

// Gives a device slot these modes, in the order given (the table keeps them ascending).
inline void ScriptModes(int slot, std::initializer_list<ScriptedMode> modes) {
    DisplayDevice& device = displayDevices[slot];
    device.modeCount = 0;
    for (auto mode = modes.begin(); mode != modes.end() && device.modeCount < kMaxDisplayModes;
         ++mode, ++device.modeCount) {
        device.modeWidth[device.modeCount] = mode->width;
        device.modeHeight[device.modeCount] = mode->height;
        device.modeBitsPerPixel[device.modeCount] = mode->bitsPerPixel;
    }
}
