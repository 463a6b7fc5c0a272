#include <windows.h>
#include <ddraw.h>
#include <gtest/gtest.h>

#include <GL/gl.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

#include "detect/display_devices_win.h"
#include "detect/probe_window_win.h"

namespace {

using Mode = std::tuple<int32_t, int32_t, int32_t>;

HRESULT CALLBACK CollectMode(LPDDSURFACEDESC mode, LPVOID context) {
    static_cast<std::vector<Mode>*>(context)->emplace_back(mode->dwWidth, mode->dwHeight,
                                                           mode->ddpfPixelFormat.dwRGBBitCount);
    return DDENUMRET_OK;
}

// The primary device's modes straight from DirectDraw, in the table's order.
std::vector<Mode> PrimaryModes() {
    std::vector<Mode> modes;
    IDirectDraw* directDraw = nullptr;
    if (DirectDrawCreate(nullptr, &directDraw, nullptr) != DD_OK) return modes;
    directDraw->EnumDisplayModes(0, nullptr, &modes, CollectMode);
    directDraw->Release();
    if (modes.size() > kMaxDisplayModes) modes.resize(kMaxDisplayModes);
    std::stable_sort(modes.begin(), modes.end(), [](const Mode& a, const Mode& b) {
        return std::get<0>(a) * std::get<1>(a) + std::get<2>(a) < std::get<0>(b) * std::get<1>(b) + std::get<2>(b);
    });
    return modes;
}

std::vector<Mode> TableModes(const DisplayDevice& d) {
    std::vector<Mode> modes;
    for (int i = 0; i < d.modeCount; ++i) modes.emplace_back(d.modeWidth[i], d.modeHeight[i], d.modeBitsPerPixel[i]);
    return modes;
}

// The renderer string of the system's OpenGL, asked without the probe.
std::string SystemRenderer() {
    ProbeWindow window;
    const HDC dc = GetDC(window.handle());
    PIXELFORMATDESCRIPTOR pfd{sizeof pfd, 1, PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER};
    pfd.cColorBits = 16;
    std::string renderer;
    const int format = ChoosePixelFormat(dc, &pfd);
    const HGLRC context = format && SetPixelFormat(dc, format, &pfd) ? wglCreateContext(dc) : nullptr;
    if (context && wglMakeCurrent(dc, context)) {
        if (const GLubyte* text = glGetString(GL_RENDERER)) renderer = reinterpret_cast<const char*>(text);
        wglMakeCurrent(nullptr, nullptr);
    }
    if (context) wglDeleteContext(context);
    ReleaseDC(window.handle(), dc);
    return renderer;
}

// The primary device's modes as DirectDraw lists them, sorted, and the probe's verdict
// as the system's own renderer string gives it; with checkGdi 0 a usable format is enough.
TEST(RealDisplayDevices, PrimaryDeviceHasItsModesSortedAndTheProbeVerdict) {
    DisplayScan scan{};
    ScanDirectDrawDevices(nullptr, 1, scan);  // without a window the probe cannot accelerate
    ASSERT_GE(scan.deviceCount, 1);
    EXPECT_EQ(scan.devices[1].hardware3D, 0);
    EXPECT_FALSE(scan.primaryAccelerated);

    const std::string renderer = SystemRenderer();
    ASSERT_FALSE(renderer.empty());
    for (int32_t checkGdi : {1, 0}) {
        ProbeWindow window;
        ScanDirectDrawDevices(window.handle(), checkGdi, scan);
        ASSERT_GE(scan.deviceCount, 1);
        ASSERT_LE(scan.deviceCount, 4);
        const DisplayDevice& primary = scan.devices[1];
        EXPECT_EQ(primary.guid.bytes[0] + primary.guid.bytes[15], 0);
        EXPECT_GT(TableModes(primary).size(), 0u);
        EXPECT_EQ(TableModes(primary), PrimaryModes());
        EXPECT_EQ(scan.primaryAccelerated, checkGdi == 0 || renderer.find("GDI Generic") == std::string::npos);
        EXPECT_EQ(primary.hardware3D, scan.primaryAccelerated ? 1 : 0);
    }
}

}  // namespace
