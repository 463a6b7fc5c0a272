#pragma once
// A display device's modes as a test scripts them.
#include <initializer_list>

#include "state/display_device.h"

struct ScriptedMode {
    int32_t width, height, bitsPerPixel;
};

// Gives the device these modes, in the order given (the table keeps them ascending).
inline void ScriptModes(DisplayDevice& device, std::initializer_list<ScriptedMode> modes) {
    device.modeCount = 0;
    for (auto mode = modes.begin(); mode != modes.end() && device.modeCount < kMaxDisplayModes;
         ++mode, ++device.modeCount) {
        device.modeWidth[device.modeCount] = mode->width;
        device.modeHeight[device.modeCount] = mode->height;
        device.modeBitsPerPixel[device.modeCount] = mode->bitsPerPixel;
    }
}
