#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <tuple>
#include <vector>

#include "detect/display_devices.h"
#include "launcher/launcher_state.h"

namespace {

using Mode = std::tuple<uint32_t, uint32_t, uint32_t>;

struct ScriptedDevice {
    bool primary = false;
    DeviceGuid guid{};
    std::string description;
    std::string driverName;
    std::vector<Mode> modes;
    bool createFails = false;
    bool cooperativeLevelFails = false;
    size_t modesTaken = 0;  // how many modes the enumeration accepted before stopping
};

// DirectDraw with scripted devices. Every object it hands out must come back released.
class ScriptedDisplays : public DisplaySystem {
public:
    std::vector<ScriptedDevice> devices;
    OpenGlProbeResult probeResult = NotAccelerated;
    int probes = 0;
    int created = 0;
    int released = 0;

    void EnumerateDevices() override {
        for (ScriptedDevice& device : devices) {
            current_ = &device;
            EXPECT_TRUE(HandleDisplayDevice(device.primary ? nullptr : &device.guid, device.description.c_str(),
                                            device.driverName.c_str()));
        }
        current_ = nullptr;
    }
    DirectDrawObject* CreateDirectDraw(const DeviceGuid* guid) override {
        EXPECT_EQ(guid == nullptr, current_->primary);
        if (current_->createFails) return nullptr;
        ++created;
        object_.device = current_;
        object_.owner = this;
        return &object_;
    }
    OpenGlProbeResult ProbePrimaryOpenGl() override {
        EXPECT_TRUE(current_->primary);
        ++probes;
        if (probeResult == Accelerated) {  // as the real probe records an accelerator
            hardware3DAvailable = 1;
            gameConfig.hardware3DState = 1;
        }
        return probeResult;
    }

private:
    struct Object : DirectDrawObject {
        ScriptedDevice* device = nullptr;
        ScriptedDisplays* owner = nullptr;
        bool SetNormalCooperativeLevel() override { return !device->cooperativeLevelFails; }
        void EnumerateModes() override {
            for (const Mode& mode : device->modes) {
                if (!HandleDisplayMode(std::get<0>(mode), std::get<1>(mode), std::get<2>(mode))) break;
                ++device->modesTaken;
            }
        }
        void Release() override { ++owner->released; }
    };
    ScriptedDevice* current_ = nullptr;
    Object object_;
};

ScriptedDevice Primary(std::vector<Mode> modes = {{640, 480, 16}}) {
    ScriptedDevice device;
    device.primary = true;
    device.description = "Primary Display Driver";
    device.driverName = "display";
    device.modes = std::move(modes);
    return device;
}

ScriptedDevice Secondary(const std::string& driverName, uint8_t id) {
    ScriptedDevice device;
    device.guid.bytes[0] = id;
    device.guid.bytes[15] = 0xA5;
    device.description = "Add-on board " + std::to_string(id);
    device.driverName = driverName;
    device.modes = {{640, 480, 16}, {800, 600, 16}};
    return device;
}

std::vector<Mode> ModesOf(int slot) {
    const DisplayDevice& d = displayDevices[slot];
    std::vector<Mode> modes;
    for (int i = 0; i < d.modeCount; ++i)
        modes.emplace_back(uint32_t(d.modeWidth[i]), uint32_t(d.modeHeight[i]), uint32_t(d.modeBitsPerPixel[i]));
    return modes;
}

bool IsZero(const DeviceGuid& guid) {
    static const DeviceGuid kZero{};
    return std::memcmp(&guid, &kZero, sizeof guid) == 0;
}

class DisplayDevices : public ::testing::Test {
protected:
    void SetUp() override {
        std::memset(displayDevices, 0, sizeof displayDevices);
        displayDeviceCount = 0;
        hardware3DAvailable = 0;
        gameConfig.hardware3DState = 0;
    }
    void TearDown() override { EXPECT_EQ(displays.released, displays.created); }

    void Enumerate() { EnumerateDisplayDevices(displays); }

    ScriptedDisplays displays;
};

TEST_F(DisplayDevices, OneDeviceFillsSlotOne) {
    displays.devices = {Primary({{800, 600, 16}, {640, 480, 16}, {640, 480, 8}})};
    displays.probeResult = Accelerated;
    Enumerate();

    EXPECT_EQ(displayDeviceCount, 1);
    EXPECT_STREQ(displayDevices[1].description, "Primary Display Driver");
    EXPECT_TRUE(IsZero(displayDevices[1].guid));
    EXPECT_EQ(ModesOf(1), (std::vector<Mode>{{640, 480, 8}, {640, 480, 16}, {800, 600, 16}}));
    EXPECT_EQ(displayDevices[1].hardware3D, 1);
    EXPECT_EQ(displayDevices[1].is3dfxDriver, 0);
    EXPECT_EQ(hardware3DAvailable, 1);
    EXPECT_EQ(gameConfig.hardware3DState, 1);
    EXPECT_EQ(displays.probes, 1);
    for (int slot : {0, 2}) {
        EXPECT_EQ(displayDevices[slot].hardware3D, 0);
        EXPECT_EQ(displayDevices[slot].is3dfxDriver, 0);
        EXPECT_EQ(displayDevices[slot].modeCount, 0);
    }
}

TEST_F(DisplayDevices, EarlierFlagsAndStateAreClearedFirst) {
    for (DisplayDevice& slot : displayDevices) slot.hardware3D = slot.is3dfxDriver = 1;
    gameConfig.hardware3DState = 2;
    displayDeviceCount = 3;
    Enumerate();  // DirectDraw reports nothing
    EXPECT_EQ(displayDeviceCount, 0);
    EXPECT_EQ(gameConfig.hardware3DState, 0);
    for (const DisplayDevice& slot : displayDevices) {
        EXPECT_EQ(slot.hardware3D, 0);
        EXPECT_EQ(slot.is3dfxDriver, 0);
    }
}

TEST_F(DisplayDevices, SecondaryThreeDfxBoardCarriesTheHardwareRenderer) {
    for (const char* driver : {"3dfxvs.drv", "Voodoo 3DFX Interactive", "MNSTR3D"}) {
        SetUp();
        displays.devices = {Primary(), Secondary(driver, 7)};
        Enumerate();
        EXPECT_EQ(displayDeviceCount, 2) << driver;
        EXPECT_EQ(displayDevices[2].is3dfxDriver, 1) << driver;
        EXPECT_EQ(displayDevices[2].hardware3D, 1) << driver;
        EXPECT_EQ(hardware3DAvailable, 1) << driver;
        EXPECT_EQ(displayDevices[1].hardware3D, 0) << driver;
        EXPECT_EQ(displayDevices[2].guid.bytes[0], 7) << driver;
        EXPECT_EQ(displayDevices[2].guid.bytes[15], 0xA5) << driver;
        EXPECT_STREQ(displayDevices[2].description, "Add-on board 7") << driver;
        EXPECT_EQ(ModesOf(2).size(), 2u) << driver;
    }
    EXPECT_EQ(displays.probes, 3);  // the primary device only, once per enumeration
}

TEST_F(DisplayDevices, LastSecondaryDeviceDecidesAvailability) {
    displays.devices = {Primary(), Secondary("plain.drv", 2)};
    displays.probeResult = Accelerated;
    Enumerate();
    EXPECT_EQ(displayDevices[1].hardware3D, 1);
    EXPECT_EQ(displayDevices[2].hardware3D, 0);
    EXPECT_EQ(hardware3DAvailable, 0);
    EXPECT_EQ(gameConfig.hardware3DState, 1);

    displays.devices = {Primary(), Secondary("3dfx.drv", 2), Secondary("plain.drv", 3)};
    Enumerate();
    EXPECT_EQ(displayDevices[2].hardware3D, 1);
    EXPECT_EQ(hardware3DAvailable, 0);
}

TEST_F(DisplayDevices, RejectedFormatLeavesThePrimaryWithoutModes) {
    displays.devices = {Primary(), Secondary("3dfx.drv", 2)};
    displays.devices[0].driverName = "3DFX primary";
    displayDevices[1].guid.bytes[3] = 9;
    displays.probeResult = FormatRejected;
    Enumerate();
    EXPECT_EQ(displayDeviceCount, 2);
    EXPECT_STREQ(displayDevices[1].description, "");
    EXPECT_EQ(displayDevices[1].modeCount, 0);
    EXPECT_EQ(displayDevices[1].hardware3D, 0);
    EXPECT_EQ(displayDevices[1].is3dfxDriver, 1);
    EXPECT_EQ(displayDevices[1].guid.bytes[3], 9);  // left alone
    EXPECT_EQ(ModesOf(2).size(), 2u);
    EXPECT_EQ(displays.released, 2);
}

TEST_F(DisplayDevices, DeviceWithoutDirectDrawObjectKeepsItsSlot) {
    for (bool createFails : {true, false}) {
        SetUp();
        ScriptedDevice broken = Secondary("3dfx.drv", 2);
        broken.createFails = createFails;
        broken.cooperativeLevelFails = !createFails;
        displays.devices = {Primary(), broken};
        hardware3DAvailable = 0;  // the 3dfx verdict would set it
        Enumerate();
        EXPECT_EQ(displayDeviceCount, 2);
        EXPECT_EQ(displayDevices[2].is3dfxDriver, 1);
        EXPECT_EQ(displayDevices[2].hardware3D, 0);
        EXPECT_TRUE(IsZero(displayDevices[2].guid));
        EXPECT_STREQ(displayDevices[2].description, "");
        EXPECT_EQ(displayDevices[2].modeCount, 0);
        EXPECT_EQ(hardware3DAvailable, 0);  // untouched
    }
    ScriptedDevice primary = Primary();
    primary.cooperativeLevelFails = true;
    displays.devices = {primary};
    const int probesBefore = displays.probes;
    Enumerate();
    EXPECT_EQ(displays.probes, probesBefore);
}

TEST_F(DisplayDevices, ManyModesKeepTheFirst128Sorted) {
    std::vector<Mode> modes;
    for (uint32_t i = 0; i < 200; ++i) modes.emplace_back(2000 - i, 1000, 32);
    displays.devices = {Primary(modes)};
    Enumerate();
    EXPECT_EQ(displays.devices[0].modesTaken, 128u);
    const std::vector<Mode> kept = ModesOf(1);
    ASSERT_EQ(kept.size(), 128u);
    EXPECT_EQ(kept.front(), Mode(2000 - 127, 1000, 32));
    EXPECT_EQ(kept.back(), Mode(2000, 1000, 32));
    for (size_t i = 1; i < kept.size(); ++i) EXPECT_LT(std::get<0>(kept[i - 1]), std::get<0>(kept[i]));
}

TEST_F(DisplayDevices, SortKeyIsAreaPlusDepth) {
    DisplayDevice device{};
    const Mode reported[] = {{1024, 768, 8}, {320, 240, 32}, {800, 600, 16}, {320, 240, 8}, {640, 480, 32}};
    for (const Mode& m : reported) {
        device.modeWidth[device.modeCount] = int32_t(std::get<0>(m));
        device.modeHeight[device.modeCount] = int32_t(std::get<1>(m));
        device.modeBitsPerPixel[device.modeCount++] = int32_t(std::get<2>(m));
    }
    SortDisplayModes(device);
    const int32_t widths[] = {320, 320, 640, 800, 1024};
    const int32_t depths[] = {8, 32, 32, 16, 8};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(device.modeWidth[i], widths[i]);
        EXPECT_EQ(device.modeBitsPerPixel[i], depths[i]);
    }
    device.modeCount = 100000;  // a damaged count stays inside the arrays
    SortDisplayModes(device);
}

TEST_F(DisplayDevices, FifthAndLaterDevicesAreIgnored) {
    displays.devices = {Primary()};
    for (uint8_t id = 2; id <= 6; ++id) displays.devices.push_back(Secondary(id == 5 ? "plain" : "3dfx", id));
    Enumerate();
    EXPECT_EQ(displayDeviceCount, 4);
    EXPECT_EQ(displays.created, 4);
    EXPECT_EQ(displayDevices[4].guid.bytes[0], 4);
    EXPECT_EQ(hardware3DAvailable, 1);  // the fifth device's plain driver was never looked at
    EXPECT_EQ(displayDevices[0].modeCount, 0);
}

TEST_F(DisplayDevices, OverlongNamesAreShortened) {
    ScriptedDevice device = Secondary(std::string(250, 'x') + "3dfx" + std::string(300, 'y'), 2);
    device.description = std::string(500, 'd');
    ScriptedDevice late = Secondary(std::string(253, 'x') + "3dfx", 3);
    displays.devices = {Primary(), device, late};
    Enumerate();
    EXPECT_EQ(std::strlen(displayDevices[2].description), 127u);
    EXPECT_EQ(displayDevices[2].is3dfxDriver, 1);
    EXPECT_EQ(displayDevices[3].is3dfxDriver, 0);  // the marker lies beyond 255 characters
}

TEST_F(DisplayDevices, ModesOutsideAnEnumerationAreRefused) {
    displayDeviceCount = 1;
    EXPECT_FALSE(HandleDisplayMode(640, 480, 16));
    EXPECT_TRUE(HandleDisplayDevice(nullptr, "late", "3dfx"));
    EXPECT_EQ(displayDevices[1].modeCount, 0);
    EXPECT_EQ(displayDeviceCount, 1);
}

TEST(SupportedResolution, OnlyTheFiveGameSizes) {
    EXPECT_EQ(IsSupportedResolution(640, 480), 1);
    EXPECT_EQ(IsSupportedResolution(1024, 768), 1);
    EXPECT_EQ(IsSupportedResolution(320, 240), 1);
    EXPECT_EQ(IsSupportedResolution(640, 400), 0);
    EXPECT_EQ(IsSupportedResolution(1280, 1024), 0);
    EXPECT_EQ(IsSupportedResolution(480, 640), 0);
}

}  // namespace
