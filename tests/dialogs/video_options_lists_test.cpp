#include "dialogs/video_options_lists.h"

#include <gtest/gtest.h>

#include <climits>
#include <initializer_list>
#include <string>
#include <vector>

namespace {

struct Mode {
    int32_t width, height, bitsPerPixel;
};

class VideoOptionsLists : public ::testing::Test {
protected:
    void SetPrimaryModes(std::initializer_list<Mode> modes) {
        DisplayDevice& primary = devices[1];
        primary.modeCount = 0;
        for (const Mode& mode : modes) {
            primary.modeWidth[primary.modeCount] = mode.width;
            primary.modeHeight[primary.modeCount] = mode.height;
            primary.modeBitsPerPixel[primary.modeCount] = mode.bitsPerPixel;
            ++primary.modeCount;
        }
    }

    static std::vector<std::string> TextsOf(const std::vector<ResolutionItem>& items) {
        std::vector<std::string> texts;
        for (const ResolutionItem& item : items) texts.push_back(item.text);
        return texts;
    }

    DisplayDeviceTable devices = {};
};

using Texts = std::vector<std::string>;

TEST_F(VideoOptionsLists, HardwareItemOnlyWithA3DDeviceInSlotOneOrTwo) {
    const std::vector<Message> software = {IDS_SOFT_SLOW, IDS_SOFT_FAST};
    const std::vector<Message> all = {IDS_SOFT_SLOW, IDS_SOFT_FAST, IDS_HARDWARE_3D};
    EXPECT_EQ(RendererItems(devices), software);
    devices[3].is3dfxDriver = 1;
    devices[2].hardware3D = 1;  // a secondary device counts only through its driver
    EXPECT_EQ(RendererItems(devices), software);
    devices[2].is3dfxDriver = 1;
    EXPECT_EQ(RendererItems(devices), all);
    devices[2] = {};
    devices[1].hardware3D = 1;
    EXPECT_EQ(RendererItems(devices), all);
    devices[1] = {};
    devices[1].is3dfxDriver = 1;
    EXPECT_EQ(RendererItems(devices), all);
}

TEST_F(VideoOptionsLists, StoredRendererIsSelectedOnlyWhenTheListHasIt) {
    EXPECT_EQ(RendererItemToSelect(1, 2), 1);
    EXPECT_EQ(RendererItemToSelect(2, 3), 2);
    EXPECT_EQ(RendererItemToSelect(2, 2), 0);  // OpenGL stored, no 3D device: slow software
    EXPECT_EQ(RendererItemToSelect(INT32_MAX, 3), 0);
    EXPECT_EQ(RendererItemToSelect(-1, 3), kNoItem);
    EXPECT_EQ(RendererItemToSelect(INT32_MIN, 3), kNoItem);
}

TEST_F(VideoOptionsLists, OnlyThe3dfxHardwareRendererForbidsAWindow) {
    devices[1].hardware3D = 1;
    EXPECT_TRUE(WindowedAllowed(2, devices));
    devices[2].is3dfxDriver = 1;
    EXPECT_FALSE(WindowedAllowed(2, devices));
    EXPECT_TRUE(WindowedAllowed(0, devices));
    EXPECT_TRUE(WindowedAllowed(1, devices));
    EXPECT_TRUE(WindowedAllowed(kNoItem, devices));
    devices[2] = {};
    devices[1].is3dfxDriver = 1;
    EXPECT_FALSE(WindowedAllowed(2, devices));
}

TEST_F(VideoOptionsLists, WindowedSizesAreStrictlySmallerThanTheDesktop) {
    EXPECT_EQ(TextsOf(WindowedResolutions(1024, 768)), (Texts{"320 X 240", "512 X 384", "640 X 480", "800 X 600"}));
    EXPECT_EQ(TextsOf(WindowedResolutions(800, 600)), (Texts{"320 X 240", "512 X 384", "640 X 480"}));
    EXPECT_EQ(TextsOf(WindowedResolutions(1025, 768)), (Texts{"320 X 240", "512 X 384", "640 X 480", "800 X 600"}));
    EXPECT_EQ(TextsOf(WindowedResolutions(1280, 1024)),
              (Texts{"320 X 240", "512 X 384", "640 X 480", "800 X 600", "1024 X 768"}));
    EXPECT_TRUE(WindowedResolutions(320, 240).empty());
    EXPECT_TRUE(WindowedResolutions(0, 0).empty());
}

TEST_F(VideoOptionsLists, FullScreenListsThePrimary16BitModesOfTheFiveSizes) {
    SetPrimaryModes({{320, 200, 16}, {320, 240, 8}, {320, 240, 16}, {640, 400, 16}, {640, 480, 32},
                     {640, 480, 16}, {800, 600, 24}, {1024, 768, 16}, {1152, 864, 16}, {1280, 1024, 16}});
    devices[2].modeCount = 1;  // the second device's modes are never offered
    devices[2].modeWidth[0] = 800;
    devices[2].modeHeight[0] = 600;
    devices[2].modeBitsPerPixel[0] = 16;
    const Texts expected = {"320 X 240", "640 X 480", "1024 X 768"};
    EXPECT_EQ(TextsOf(FullScreenResolutions(0, devices)), expected);
    EXPECT_EQ(TextsOf(FullScreenResolutions(1, devices)), expected);
    EXPECT_EQ(TextsOf(FullScreenResolutions(2, devices)), expected);  // accelerated primary: no limit
    EXPECT_TRUE(FullScreenResolutions(kNoItem, devices).empty());
    EXPECT_TRUE(FullScreenResolutions(3, devices).empty());
}

TEST_F(VideoOptionsLists, A3dfxBoardWithTheHardwareRendererStopsBelow1024Wide) {
    SetPrimaryModes({{640, 480, 16}, {800, 600, 16}, {1024, 768, 16}});
    for (int slot : {1, 2}) {
        devices[slot].is3dfxDriver = 1;
        EXPECT_EQ(TextsOf(FullScreenResolutions(2, devices)), (Texts{"640 X 480", "800 X 600"})) << slot;
        EXPECT_EQ(TextsOf(FullScreenResolutions(1, devices)), (Texts{"640 X 480", "800 X 600", "1024 X 768"})) << slot;
        devices[slot].is3dfxDriver = 0;
    }
}

TEST_F(VideoOptionsLists, ModeCountOutsideTheTableIsClamped) {
    SetPrimaryModes({{640, 480, 16}});
    devices[1].modeCount = -5;
    EXPECT_TRUE(FullScreenResolutions(0, devices).empty());
    devices[1].modeCount = INT32_MAX;  // reads the 128 stored modes and no further
    for (int i = 0; i < kMaxDisplayModes; ++i) devices[1].modeBitsPerPixel[i] = 8;
    devices[1].modeBitsPerPixel[kMaxDisplayModes - 1] = 16;
    devices[1].modeWidth[kMaxDisplayModes - 1] = 800;
    devices[1].modeHeight[kMaxDisplayModes - 1] = 600;
    EXPECT_EQ(TextsOf(FullScreenResolutions(0, devices)), (Texts{"800 X 600"}));
}

}  // namespace
