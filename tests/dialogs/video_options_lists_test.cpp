#include "dialogs/video_options_lists.h"
#include "harness/scripted_modes.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

namespace {

using Texts = std::vector<std::string>;

// The items' texts; each item's data must name the same size.
Texts TextsOf(const std::vector<ResolutionItem>& items) {
    Texts texts;
    for (const ResolutionItem& item : items) {
        texts.push_back(item.text);
        EXPECT_EQ(std::to_string(ItemDataWidth(item.data)) + " X " + std::to_string(ItemDataHeight(item.data)),
                  item.text);
    }
    return texts;
}

TEST(VideoOptionsLists, HardwareItemAndWindowFollowTheDevicesInSlotOneAndTwo) {
    DisplayDeviceTable devices = {};
    const std::vector<Message> software = {IDS_SOFT_SLOW, IDS_SOFT_FAST};
    const std::vector<Message> all = {IDS_SOFT_SLOW, IDS_SOFT_FAST, IDS_HARDWARE_3D};
    EXPECT_EQ(RendererItems(devices), software);
    devices[3].is3dfxDriver = 1;
    devices[2].hardware3D = 1;  // a secondary device counts only through its driver
    EXPECT_EQ(RendererItems(devices), software);
    EXPECT_TRUE(WindowedAllowed(2, devices));
    devices[2].is3dfxDriver = 1;
    EXPECT_EQ(RendererItems(devices), all);
    EXPECT_FALSE(WindowedAllowed(2, devices));
    EXPECT_TRUE(WindowedAllowed(1, devices));
    devices[2] = {};
    devices[1].hardware3D = 1;
    EXPECT_EQ(RendererItems(devices), all);

    EXPECT_EQ(RendererItemToSelect(2, 3), 2);
    EXPECT_EQ(RendererItemToSelect(0, 3), 0);
    EXPECT_EQ(RendererItemToSelect(2, 2), 0);  // OpenGL stored, no 3D device: slow software
    EXPECT_EQ(RendererItemToSelect(INT32_MIN, 3), kNoItem);
}

// The window and its frame must fit on the desktop with room to spare both ways.
TEST(VideoOptionsLists, WindowedSizesAreStrictlySmallerThanTheDesktop) {
    EXPECT_EQ(TextsOf(WindowedResolutions(1024, 768)), (Texts{"320 X 240", "512 X 384", "640 X 480", "800 X 600"}));
    EXPECT_EQ(TextsOf(WindowedResolutions(768, 1024)), (Texts{"320 X 240", "512 X 384", "640 X 480"}));  // portrait
    EXPECT_EQ(TextsOf(WindowedResolutions(1600, 480)), (Texts{"320 X 240", "512 X 384"}));
    EXPECT_TRUE(WindowedResolutions(320, 240).empty());
}

TEST(VideoOptionsLists, FullScreenListsThePrimary16BitModesOfTheFiveSizes) {
    DisplayDeviceTable devices = {};
    ScriptModes(devices[1], {{320, 200, 16},
                             {320, 240, 8},
                             {320, 240, 16},
                             {640, 400, 16},
                             {480, 640, 16},
                             {640, 480, 32},
                             {640, 480, 16},
                             {800, 600, 24},
                             {1024, 768, 16},
                             {1280, 1024, 16}});
    ScriptModes(devices[2], {{800, 600, 16}});  // the second device's modes are never offered
    EXPECT_EQ(TextsOf(FullScreenResolutions(2, devices)), (Texts{"320 X 240", "640 X 480", "1024 X 768"}));
    EXPECT_TRUE(FullScreenResolutions(kNoItem, devices).empty());
    EXPECT_TRUE(FullScreenResolutions(3, devices).empty());
    devices[2].is3dfxDriver = 1;  // the 3dfx board with the hardware renderer stops below 1024 wide
    EXPECT_EQ(TextsOf(FullScreenResolutions(2, devices)), (Texts{"320 X 240", "640 X 480"}));
    EXPECT_EQ(TextsOf(FullScreenResolutions(1, devices)), (Texts{"320 X 240", "640 X 480", "1024 X 768"}));

    devices[1].modeCount = -5;
    EXPECT_TRUE(FullScreenResolutions(0, devices).empty());
    devices[1].modeCount = INT32_MAX;  // reads the stored modes and no further
    for (int i = 0; i < kMaxDisplayModes; ++i) devices[1].modeBitsPerPixel[i] = i == kMaxDisplayModes - 1 ? 16 : 8;
    devices[1].modeWidth[kMaxDisplayModes - 1] = 800;
    devices[1].modeHeight[kMaxDisplayModes - 1] = 600;
    EXPECT_EQ(TextsOf(FullScreenResolutions(0, devices)), (Texts{"800 X 600"}));
}

}  // namespace
