#pragma once
// One DirectDraw display device as the launcher keeps it. Free of <windows.h> so
// the mode logic builds and is tested on any host.
#include <cstdint>

constexpr int kDisplayDeviceSlots = 5;  // slot 0 is never filled
constexpr int kMaxDisplayModes = 128;

struct DeviceGuid {
    uint8_t bytes[16];
};

struct DisplayDevice {
    char description[128];
    DeviceGuid guid;  // all zero for the primary display device
    int32_t modeCount;
    int32_t modeWidth[kMaxDisplayModes];
    int32_t modeHeight[kMaxDisplayModes];
    int32_t modeBitsPerPixel[kMaxDisplayModes];
    int32_t hardware3D;
    int32_t is3dfxDriver;
};
