#include "detect/display_devices.h"

#include <cctype>
#include <cstdio>
#include <cstring>
#include <utility>

struct DisplayEnumeration {
    DisplaySystem& system;
    DisplayScan& scan;
    int32_t modeCount;  // modes stored so far for the device being handled
};

namespace {

constexpr int kDriverNameSize = 256;
constexpr int kLastSlot = kDisplayDeviceSlots - 1;

// Over-long texts are cut to what the buffer holds.
void CopyTruncated(char* out, size_t size, const char* text) { std::snprintf(out, size, "%s", text ? text : ""); }

bool Is3dfxDriverName(const char* driverName) {
    char name[kDriverNameSize];
    CopyTruncated(name, sizeof name, driverName);
    for (char* c = name; *c; ++c) *c = char(std::tolower(static_cast<unsigned char>(*c)));
    return std::strstr(name, "3dfx") || std::strstr(name, "mnstr");
}

// Secondary devices carry the hardware renderer exactly when they are 3dfx boards; the
// primary one when its OpenGL is accelerated. False when the device gets no modes.
bool Decide3D(DisplayEnumeration& enumeration, DisplayDevice& slot, const DeviceGuid* guid) {
    DisplayScan& scan = enumeration.scan;
    slot.hardware3D = 0;
    if (guid) {
        slot.guid = *guid;
        slot.hardware3D = slot.is3dfxDriver;
        // The last secondary device decides, in both directions.
        scan.hardware3DAvailable = uint8_t(slot.is3dfxDriver);
        return true;
    }
    const OpenGlProbeResult probe = enumeration.system.ProbePrimaryOpenGl();
    if (probe == FormatRejected) return false;
    if (probe == Accelerated) {
        slot.hardware3D = 1;
        scan.hardware3DAvailable = 1;
        scan.primaryAccelerated = true;
    }
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

void ScanDisplayDevices(DisplaySystem& system, DisplayScan& scan) {
    const uint8_t availableBefore = scan.hardware3DAvailable;
    scan = DisplayScan{};
    scan.hardware3DAvailable = availableBefore;

    DisplayEnumeration enumeration{system, scan, 0};
    system.EnumerateDevices(enumeration);

    for (int slot = 1; slot <= scan.deviceCount; ++slot) SortDisplayModes(scan.devices[slot]);
}

bool HandleDisplayDevice(DisplayEnumeration& enumeration, const DeviceGuid* guid, const char* description,
                         const char* driverName) {
    DisplayScan& scan = enumeration.scan;
    if (scan.deviceCount >= kLastSlot) return true;

    DisplayDevice& slot = scan.devices[++scan.deviceCount];
    slot.is3dfxDriver = Is3dfxDriverName(driverName) ? 1 : 0;

    DirectDrawObject* directDraw = enumeration.system.CreateDirectDraw(guid);
    if (!directDraw) return true;
    if (directDraw->SetNormalCooperativeLevel() && Decide3D(enumeration, slot, guid)) {
        CopyTruncated(slot.description, sizeof slot.description, description);
        enumeration.modeCount = 0;
        directDraw->EnumerateModes(enumeration);
    }
    directDraw->Release();
    return true;
}

bool HandleDisplayMode(DisplayEnumeration& enumeration, uint32_t width, uint32_t height, uint32_t bitsPerPixel) {
    DisplayScan& scan = enumeration.scan;
    int32_t& count = enumeration.modeCount;
    if (scan.deviceCount < 1 || scan.deviceCount > kLastSlot || count >= kMaxDisplayModes) return false;
    DisplayDevice& slot = scan.devices[scan.deviceCount];
    slot.modeWidth[count] = int32_t(width);
    slot.modeHeight[count] = int32_t(height);
    slot.modeBitsPerPixel[count] = int32_t(bitsPerPixel);
    slot.modeCount = ++count;
    return true;
}

void SortDisplayModes(DisplayDevice& device) {
    const int count = UsableModeCount(device);
    // Every pair is compared both ways; the list ends in non-decreasing key order. This
    // exchange sort and not std::stable_sort: the two order modes of equal keys
    // (800x600 and 600x800 at one depth) differently, and the table keeps this order.
    for (int i = 0; i < count; ++i)
        for (int j = 0; j < count; ++j)
            if (ModeKey(device, j) > ModeKey(device, i)) SwapModes(device, i, j);
}

int IsSupportedResolution(int width, int height) {
    for (const Resolution& size : kSupportedResolutions)
        if (size.width == width && size.height == height) return 1;
    return 0;
}
