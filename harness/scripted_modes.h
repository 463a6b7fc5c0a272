#pragma once
// A display device's modes as a test or the screenshot tool scripts them.
#include <initializer_list>

#include "state/display_device.h"

struct ScriptedMode {
    int32_t width, height, bitsPerPixel;
};

// Appends one mode to the device's table, unless the table is full.
inline void AddScriptedMode(DisplayDevice& device, const ScriptedMode& mode) {
    const int count = UsableModeCount(device);
    if (count == kMaxDisplayModes) return;
    device.modeWidth[count] = mode.width;
    device.modeHeight[count] = mode.height;
    device.modeBitsPerPixel[count] = mode.bitsPerPixel;
    device.modeCount = count + 1;
}

// Gives the device these modes, in the order given (the table keeps them ascending).
inline void ScriptModes(DisplayDevice& device, std::initializer_list<ScriptedMode> modes) {
    device.modeCount = 0;
    for (const ScriptedMode& mode : modes) AddScriptedMode(device, mode);
}
