#include "detect/display_devices.h"

#include <cctype>
#include <cstdio>
#include <cstring>
#include <utility>

#include "launcher/launcher_state.h"

namespace {

DisplaySystem* activeSystem;  // set only while an enumeration runs
int32_t modeEnumCount;        // modes stored so far for the device being handled

constexpr int kDriverNameSize = 256;
constexpr int kLastSlot = kDisplayDeviceSlots - 1;

// Over-long texts are cut to what the buffer holds.
void CopyTruncated(char* out, size_t size, const char* text) {
    std::snprintf(out, size, "%s", text ? text : "");
}

bool Is3dfxDriverName(const char* driverName) {
    char name[kDriverNameSize];
    CopyTruncated(name, sizeof name, driverName);
    for (char* c = name; *c; ++c) *c = char(std::tolower(static_cast<unsigned char>(*c)));
    return std::strstr(name, "3dfx") || std::strstr(name, "mnstr");
}

// Secondary devices carry the hardware renderer exactly when they are 3dfx boards; the
// primary one when its OpenGL is accelerated. False when the device gets no modes.
bool Decide3D(DisplayDevice& slot, const DeviceGuid* guid) {
    slot.hardware3D = 0;
    if (guid) {
        slot.guid = *guid;
        slot.hardware3D = slot.is3dfxDriver;
        // The last secondary device decides, in both directions.
        hardware3DAvailable = uint8_t(slot.is3dfxDriver);
        return true;
    }
    const OpenGlProbeResult probe = activeSystem->ProbePrimaryOpenGl();
    if (probe == FormatRejected) return false;
    if (probe == Accelerated) slot.hardware3D = 1;
    slot.guid = DeviceGuid{};
    return true;
}

int32_t ModeKey(const DisplayDevice& d, int i) {
    // 32-bit arithmetic that wraps instead of overflowing on absurd sizes.
    return int32_t(uint32_t(d.modeWidth[i]) * uint32_t(d.modeHeight[i]) + uint32_t(d.modeBitsPerPixel[i]));
}

void SwapModes(DisplayDevice& d, int i, int j) {
    std::swap(d.modeWidth[i], d.modeWidth[j]);
    std::swap(d.modeHeight[i], d.modeHeight[j]);
    std::swap(d.modeBitsPerPixel[i], d.modeBitsPerPixel[j]);
}

}  // namespace

void EnumerateDisplayDevices(DisplaySystem& system) {
    displayDeviceCount = 0;
    for (DisplayDevice& slot : displayDevices) {
        slot.hardware3D = 0;
        slot.is3dfxDriver = 0;
    }
    gameConfig.hardware3DState = 0;

    activeSystem = &system;
    system.EnumerateDevices();
    activeSystem = nullptr;

    for (int slot = 1; slot <= displayDeviceCount; ++slot) SortDisplayModes(displayDevices[slot]);
}

bool HandleDisplayDevice(const DeviceGuid* guid, const char* description, const char* driverName) {
    if (!activeSystem || displayDeviceCount >= kLastSlot) return true;

    DisplayDevice& slot = displayDevices[++displayDeviceCount];
    slot.is3dfxDriver = Is3dfxDriverName(driverName) ? 1 : 0;

    DirectDrawObject* directDraw = activeSystem->CreateDirectDraw(guid);
    if (!directDraw) return true;
    if (directDraw->SetNormalCooperativeLevel() && Decide3D(slot, guid)) {
        CopyTruncated(slot.description, sizeof slot.description, description);
        modeEnumCount = 0;
        directDraw->EnumerateModes();
    }
    directDraw->Release();
    return true;
}

bool HandleDisplayMode(uint32_t width, uint32_t height, uint32_t bitsPerPixel) {
    if (!activeSystem || displayDeviceCount < 1 || displayDeviceCount > kLastSlot) return false;
    if (modeEnumCount >= kMaxDisplayModes) return false;
    DisplayDevice& slot = displayDevices[displayDeviceCount];
    slot.modeWidth[modeEnumCount] = int32_t(width);
    slot.modeHeight[modeEnumCount] = int32_t(height);
    slot.modeBitsPerPixel[modeEnumCount] = int32_t(bitsPerPixel);
    slot.modeCount = ++modeEnumCount;
    return true;
}

void SortDisplayModes(DisplayDevice& device) {
    const int count = device.modeCount < 0 ? 0 : device.modeCount > kMaxDisplayModes ? kMaxDisplayModes : device.modeCount;
    // Every pair is compared both ways; the list ends in non-decreasing key order.
    for (int i = 0; i < count; ++i)
        for (int j = 0; j < count; ++j)
            if (ModeKey(device, j) > ModeKey(device, i)) SwapModes(device, i, j);
}

int IsSupportedResolution(int width, int height) {
    for (const Resolution& size : kSupportedResolutions)
        if (size.width == width && size.height == height) return 1;
    return 0;
}
