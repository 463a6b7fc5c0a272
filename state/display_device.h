#pragma once
// One DirectDraw display device as the launcher keeps it, and the table of them.
#include <cstdint>

constexpr int kDisplayDeviceSlots = 5;  // slot 0 is never filled
constexpr int kMaxDisplayModes = 128;
constexpr int kPrimarySlot = 1;  // the primary display device, when there is one

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

using DisplayDeviceTable = DisplayDevice[kDisplayDeviceSlots];

// The modes a reader may index: a count outside 0..128 is never trusted.
inline int UsableModeCount(const DisplayDevice& device) {
    return device.modeCount < 0 ? 0 : device.modeCount > kMaxDisplayModes ? kMaxDisplayModes : device.modeCount;
}

// A 3dfx board in one of the first two slots: the game then runs its hardware renderer
// through the 3dfx library, full-screen only.
inline bool Has3dfxBoard(const DisplayDeviceTable& devices) {
    return devices[1].is3dfxDriver || devices[2].is3dfxDriver;
}
