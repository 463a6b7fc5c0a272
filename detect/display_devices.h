#pragma once
// The DirectDraw device table: which devices exist, which can carry the hardware
// renderer, and each device's display modes, smallest first. DirectDraw is reached
// through the two small interfaces below, so devices can be scripted in tests;
// display_devices_win.cpp implements them over ddraw.dll.
#include <cstdint>

#include "detect/display_device.h"
#include "detect/opengl_probe.h"

// One DirectDraw object (IDirectDraw).
class DirectDrawObject {
public:
    virtual bool SetNormalCooperativeLevel() = 0;  // no window, DDSCL_NORMAL
    virtual void EnumerateModes() = 0;             // every mode through HandleDisplayMode
    virtual void Release() = 0;

protected:
    ~DirectDrawObject() = default;
};

class DisplaySystem {
public:
    // Reports every device through HandleDisplayDevice, the primary one first.
    virtual void EnumerateDevices() = 0;
    // Null on failure; a null guid means the primary device.
    virtual DirectDrawObject* CreateDirectDraw(const DeviceGuid* guid) = 0;
    // The OpenGL acceleration test on the launcher's window.
    virtual OpenGlProbeResult ProbePrimaryOpenGl() = 0;

protected:
    ~DisplaySystem() = default;
};

// Fills displayDevices[1..4] and displayDeviceCount, clears the 3D flags and
// gameConfig.hardware3DState first, writes hardware3DAvailable, and sorts every
// device's modes. Slot 0 is never filled.
void EnumerateDisplayDevices(DisplaySystem& system);

// The device callback's work; a null guid is the primary device. Always true, so one
// failing device never stops the enumeration. Devices beyond the four slots are
// ignored.
bool HandleDisplayDevice(const DeviceGuid* guid, const char* description, const char* driverName);

// The mode callback's work for the device being handled; false once 128 modes are
// stored (stop the enumeration of this device's modes).
bool HandleDisplayMode(uint32_t width, uint32_t height, uint32_t bitsPerPixel);

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
