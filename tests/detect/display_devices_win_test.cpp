#include <gtest/gtest.h>
#include <windows.h>
#include <ddraw.h>

#include <algorithm>
#include <tuple>
#include <vector>

#include "detect/display_devices_win.h"
#include "detect/probe_window.h"

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

TEST(RealDisplayDevices, PrimaryDeviceHasItsModesSortedAndTheProbeVerdict) {
    DisplayScan scan{};
    ScanDirectDrawDevices(nullptr, 1, scan);  // without a window the probe cannot accelerate
    ASSERT_GE(scan.deviceCount, 1);
    EXPECT_EQ(scan.devices[1].hardware3D, 0);
    EXPECT_FALSE(scan.primaryAccelerated);

    ProbeWindow window;
    ScanDirectDrawDevices(window.handle(), 1, scan);
    ASSERT_GE(scan.deviceCount, 1);
    ASSERT_LE(scan.deviceCount, 4);
    const DisplayDevice& primary = scan.devices[1];
    EXPECT_EQ(primary.guid.bytes[0] + primary.guid.bytes[15], 0);
    EXPECT_GT(TableModes(primary).size(), 0u);
    EXPECT_EQ(TableModes(primary), PrimaryModes());
    EXPECT_EQ(primary.hardware3D, scan.primaryAccelerated ? 1 : 0);
}

}  // namespace
