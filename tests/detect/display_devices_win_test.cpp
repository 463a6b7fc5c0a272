#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>
#include <vector>

#include "detect/display_devices_win.h"
#include "detect/probe_window.h"
#include "launcher/launcher_state.h"

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

std::vector<Mode> TableModes(int slot) {
    const DisplayDevice& d = displayDevices[slot];
    std::vector<Mode> modes;
    for (int i = 0; i < d.modeCount; ++i) modes.emplace_back(d.modeWidth[i], d.modeHeight[i], d.modeBitsPerPixel[i]);
    return modes;
}

TEST(RealDisplayDevices, PrimaryDeviceHasItsModesSortedAndTheProbeVerdict) {
    checkGdi = 1;
    hardware3DAvailable = 0;
    gameConfig.hardware3DState = 2;
    EnumerateDisplayDevices(HWND(nullptr));  // without a window the probe cannot accelerate
    ASSERT_GE(displayDeviceCount, 1);
    EXPECT_EQ(displayDevices[1].hardware3D, 0);
    EXPECT_EQ(gameConfig.hardware3DState, 0);

    ProbeWindow window;
    EnumerateDisplayDevices(window.handle());
    ASSERT_GE(displayDeviceCount, 1);
    ASSERT_LE(displayDeviceCount, 4);
    const DisplayDevice& primary = displayDevices[1];
    EXPECT_EQ(primary.guid.bytes[0] + primary.guid.bytes[15], 0);
    EXPECT_GT(TableModes(1).size(), 0u);
    EXPECT_EQ(TableModes(1), PrimaryModes());
    EXPECT_EQ(primary.hardware3D, gameConfig.hardware3DState);
}

}  // namespace
