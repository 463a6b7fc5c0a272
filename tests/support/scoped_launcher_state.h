#pragma once
// Tests that script the process-wide state (the device table, the record, the 3D flag,
// the installation) put it back as they found it, so test order never matters.
#include <cstring>
#include <initializer_list>

#include "launcher/launcher_state.h"

class ScopedLauncherState {
public:
    ScopedLauncherState() {
        std::memcpy(&config_, &gameConfig, sizeof config_);
        std::memcpy(devices_, displayDevices, sizeof devices_);
        std::memcpy(gameExePath_, gameExePath, sizeof gameExePath_);
        hardware3DAvailable_ = hardware3DAvailable;
        std::memset(displayDevices, 0, sizeof displayDevices);
    }
    ~ScopedLauncherState() {
        std::memcpy(&gameConfig, &config_, sizeof config_);
        std::memcpy(displayDevices, devices_, sizeof devices_);
        std::memcpy(gameExePath, gameExePath_, sizeof gameExePath_);
        hardware3DAvailable = hardware3DAvailable_;
    }
    ScopedLauncherState(const ScopedLauncherState&) = delete;
    ScopedLauncherState& operator=(const ScopedLauncherState&) = delete;

private:
    GameConfig config_;
    DisplayDevice devices_[kDisplayDeviceSlots];
    char gameExePath_[kMaxPath];
    uint8_t hardware3DAvailable_;
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
