#include "detect/display_devices_win.h"

#include <ddraw.h>

#include <cstring>

#include "detect/opengl_probe_win.h"

static_assert(sizeof(GUID) == sizeof(DeviceGuid), "a device GUID is 16 bytes");

namespace {

class DirectDrawDevice final : public DirectDrawObject {
public:
    explicit DirectDrawDevice(IDirectDraw* directDraw = nullptr) : m_directDraw(directDraw) {}
    bool SetNormalCooperativeLevel() override {
        return SUCCEEDED(m_directDraw->SetCooperativeLevel(nullptr, DDSCL_NORMAL));
    }
    void EnumerateModes(DisplayEnumeration& enumeration) override {
        // No flags: one report per size and depth, no refresh-rate variants.
        m_directDraw->EnumDisplayModes(0, nullptr, &enumeration, ModeCallback);
    }
    void Release() override { m_directDraw->Release(); }

private:
    static HRESULT CALLBACK ModeCallback(LPDDSURFACEDESC mode, LPVOID context) {
        if (!mode) return DDENUMRET_OK;
        auto& enumeration = *static_cast<DisplayEnumeration*>(context);
        const bool more =
            HandleDisplayMode(enumeration, mode->dwWidth, mode->dwHeight, mode->ddpfPixelFormat.dwRGBBitCount);
        return more ? DDENUMRET_OK : DDENUMRET_CANCEL;
    }

    IDirectDraw* m_directDraw;
};

class DirectDrawDisplays final : public DisplaySystem {
public:
    DirectDrawDisplays(HWND probeWindow, int32_t checkGdi) : m_probeWindow(probeWindow), m_checkGdi(checkGdi) {}

    void EnumerateDevices(DisplayEnumeration& enumeration) override {
        DeviceCallbackContext context{this, &enumeration};
        DirectDrawEnumerateA(DeviceCallback, &context);
    }

    // One object lives at a time: each is released before the next device comes.
    DirectDrawObject* CreateDirectDraw(const DeviceGuid* guid) override {
        GUID deviceGuid;
        if (guid) std::memcpy(&deviceGuid, guid, sizeof deviceGuid);
        IDirectDraw* directDraw = nullptr;
        const HRESULT created = DirectDrawCreate(guid ? &deviceGuid : nullptr, &directDraw, nullptr);
        if (created != DD_OK || !directDraw) return nullptr;
        m_object = DirectDrawDevice(directDraw);
        return &m_object;
    }

    OpenGlProbeResult ProbePrimaryOpenGl() override {
        // GetDC(NULL) would hand out the whole screen, whose format must not change.
        if (!m_probeWindow || !m_openGl) return NotAccelerated;
        HDC dc = GetDC(m_probeWindow);
        if (!dc) return NotAccelerated;
        const OpenGlProbeResult result = RunOpenGlProbe(*m_openGl, dc, m_checkGdi);
        ReleaseDC(m_probeWindow, dc);
        return result;
    }

private:
    struct DeviceCallbackContext {
        DirectDrawDisplays* displays;
        DisplayEnumeration* enumeration;
    };

    static BOOL CALLBACK DeviceCallback(GUID* guid, LPSTR description, LPSTR driverName, LPVOID context) {
        auto& [displays, enumeration] = *static_cast<DeviceCallbackContext*>(context);
        // Bound afresh for every device, and freed again once it is handled.
        OpenGlLibrary openGl("opengl32.dll");
        displays->m_openGl = &openGl;
        DeviceGuid deviceGuid;
        if (guid) std::memcpy(&deviceGuid, guid, sizeof deviceGuid);
        HandleDisplayDevice(*enumeration, guid ? &deviceGuid : nullptr, description, driverName);
        displays->m_openGl = nullptr;
        return TRUE;
    }

    HWND m_probeWindow;
    int32_t m_checkGdi;
    OpenGlLibrary* m_openGl = nullptr;  // the library bound for the device being handled
    DirectDrawDevice m_object;
};

}  // namespace

void ScanDirectDrawDevices(HWND probeWindow, int32_t checkGdi, DisplayScan& scan) {
    DirectDrawDisplays displays(probeWindow, checkGdi);
    ScanDisplayDevices(displays, scan);
}
