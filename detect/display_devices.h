#pragma once
// The DirectDraw device table: which devices exist, which can carry the hardware
// renderer, and each device's display modes, smallest first. DirectDraw is reached
// through the two small interfaces below, so devices can be scripted in tests;
// display_devices_win.cpp implements them over ddraw.dll.
#include <cstdint>

#include "detect/opengl_probe.h"
#include "state/display_device.h"

// What one enumeration found.
struct DisplayScan {
    DisplayDeviceTable devices;  // slots 1..deviceCount filled, the rest all zero
    int32_t deviceCount;
    // Comes in as it stood before the enumeration and leaves as the devices decided:
    // set by an accelerated primary display, then set or cleared by every secondary
    // device, the last one deciding.
    uint8_t hardware3DAvailable;
    bool primaryAccelerated;  // the primary display's OpenGL runs on an accelerator
};

// One enumeration in progress. DirectDraw's context argument carries it to the
// callbacks, which hand it back to HandleDisplayDevice and HandleDisplayMode.
struct DisplayEnumeration;

// One DirectDraw object (IDirectDraw).
class DirectDrawObject {
public:
    virtual bool SetNormalCooperativeLevel() = 0;  // no window, DDSCL_NORMAL
    // Every mode through HandleDisplayMode(enumeration, ...).
    virtual void EnumerateModes(DisplayEnumeration& enumeration) = 0;
    virtual void Release() = 0;

protected:
    ~DirectDrawObject() = default;
};

class DisplaySystem {
public:
    // Every device through HandleDisplayDevice(enumeration, ...), the primary one first.
    virtual void EnumerateDevices(DisplayEnumeration& enumeration) = 0;
    // Null on failure; a null guid means the primary device.
    virtual DirectDrawObject* CreateDirectDraw(const DeviceGuid* guid) = 0;
    // The OpenGL acceleration test on a window of the launcher's own.
    virtual OpenGlProbeResult ProbePrimaryOpenGl() = 0;

protected:
    ~DisplaySystem() = default;
};

// Lists the devices into `scan`, starting from an empty table, and sorts every
// device's modes. `scan.hardware3DAvailable` must hold the value before the enumeration.
void ScanDisplayDevices(DisplaySystem& system, DisplayScan& scan);

// The device callback's work; a null guid is the primary device. Always true, so one
// failing device never stops the enumeration. Devices beyond the four slots are
// ignored.
bool HandleDisplayDevice(DisplayEnumeration& enumeration, const DeviceGuid* guid, const char* description,
                         const char* driverName);

// The mode callback's work for the device being handled; false once 128 modes are
// stored (stop the enumeration of this device's modes).
bool HandleDisplayMode(DisplayEnumeration& enumeration, uint32_t width, uint32_t height, uint32_t bitsPerPixel);

// Ascending by width * height + bits per pixel.
void SortDisplayModes(DisplayDevice& device);

struct Resolution {
    int width;
    int height;
};

// The five sizes the game can run in, smallest first.
constexpr int kSupportedResolutionCount = 5;
inline constexpr Resolution kSupportedResolutions[kSupportedResolutionCount] = {
    {320, 240}, {512, 384}, {640, 480}, {800, 600}, {1024, 768}};

// 1 for one of kSupportedResolutions.
int IsSupportedResolution(int width, int height);
