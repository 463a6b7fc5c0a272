#include "detect/display_devices_win.h"

#include <cstring>

#include "detect/opengl_probe_win.h"

static_assert(sizeof(GUID) == sizeof(DeviceGuid), "a device GUID is 16 bytes");

namespace {

class DirectDrawDevice final : public DirectDrawObject {
public:
    explicit DirectDrawDevice(IDirectDraw* directDraw = nullptr) : directDraw_(directDraw) {}
    bool SetNormalCooperativeLevel() override {
        return SUCCEEDED(directDraw_->SetCooperativeLevel(nullptr, DDSCL_NORMAL));
    }
    void EnumerateModes() override { EnumerateDisplayModes(directDraw_); }
    void Release() override { directDraw_->Release(); }

private:
    IDirectDraw* directDraw_;
};

class DirectDrawDisplays final : public DisplaySystem {
public:
    explicit DirectDrawDisplays(HWND probeWindow) : probeWindow_(probeWindow) {}

    void EnumerateDevices() override { DirectDrawEnumerateA(DisplayDeviceCallback, nullptr); }

    // One object lives at a time: each is released before the next device comes.
    DirectDrawObject* CreateDirectDraw(const DeviceGuid* guid) override {
        GUID deviceGuid;
        if (guid) std::memcpy(&deviceGuid, guid, sizeof deviceGuid);
        IDirectDraw* directDraw = nullptr;
        if (DirectDrawCreate(guid ? &deviceGuid : nullptr, &directDraw, nullptr) != DD_OK || !directDraw)
            return nullptr;
        object_ = DirectDrawDevice(directDraw);
        return &object_;
    }

    OpenGlProbeResult ProbePrimaryOpenGl() override {
        // GetDC(NULL) would hand out the whole screen, whose format must not change.
        if (!probeWindow_) return NotAccelerated;
        HDC dc = GetDC(probeWindow_);
        if (!dc) return NotAccelerated;
        const OpenGlProbeResult result = ProbeOpenGlAcceleration(dc);
        ReleaseDC(probeWindow_, dc);
        return result;
    }

private:
    HWND probeWindow_;
    DirectDrawDevice object_;
};

}  // namespace

void EnumerateDisplayDevices(HWND probeWindow) {
    DirectDrawDisplays displays(probeWindow);
    EnumerateDisplayDevices(displays);
}

BOOL CALLBACK DisplayDeviceCallback(GUID* guid, LPSTR description, LPSTR driverName, LPVOID) {
    // The result is not needed: the probe refuses to run on a failed binding.
    LoadOpenGlEntryPoints("opengl32.dll");
    DeviceGuid deviceGuid;
    if (guid) std::memcpy(&deviceGuid, guid, sizeof deviceGuid);
    HandleDisplayDevice(guid ? &deviceGuid : nullptr, description, driverName);
    UnloadOpenGlEntryPoints();
    return TRUE;
}

void EnumerateDisplayModes(IDirectDraw* directDraw) {
    // No flags: one report per size and depth, no refresh-rate variants.
    directDraw->EnumDisplayModes(0, nullptr, nullptr, DisplayModeCallback);
}

HRESULT CALLBACK DisplayModeCallback(LPDDSURFACEDESC mode, LPVOID) {
    if (!mode) return DDENUMRET_OK;
    const bool more = HandleDisplayMode(mode->dwWidth, mode->dwHeight, mode->ddpfPixelFormat.dwRGBBitCount);
    return more ? DDENUMRET_OK : DDENUMRET_CANCEL;
}
