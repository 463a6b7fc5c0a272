#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "detect/display_devices.h"

namespace {

using Mode = std::tuple<uint32_t, uint32_t, uint32_t>;

struct ScriptedDevice {
    std::string driverName;
    uint8_t id = 0;  // 0: the primary device, which DirectDraw names by a null GUID
    std::vector<Mode> modes = {{640, 480, 16}, {800, 600, 16}};
    std::string description = "Board";
    bool createFails = false, cooperativeLevelFails = false;
};
ScriptedDevice Primary() { return {"display", 0}; }

// DirectDraw with scripted devices, itself the one object it hands out; every object
// handed out must come back released.
class ScriptedDisplays : public DisplaySystem, public DirectDrawObject {
public:
    std::vector<ScriptedDevice> devices;
    OpenGlProbeResult probeResult = NotAccelerated;
    int probes = 0, created = 0, released = 0, modesTaken = 0;

    void EnumerateDevices(DisplayEnumeration& enumeration) override {
        for (ScriptedDevice& device : devices) {
            m_current = &device;
            DeviceGuid guid{};
            guid.bytes[0] = device.id;
            EXPECT_TRUE(HandleDisplayDevice(enumeration, device.id ? &guid : nullptr, device.description.c_str(),
                                            device.driverName.c_str()));
        }
    }
    DirectDrawObject* CreateDirectDraw(const DeviceGuid*) override {
        created += !m_current->createFails;
        return m_current->createFails ? nullptr : this;
    }
    OpenGlProbeResult ProbePrimaryOpenGl() override { return ++probes, probeResult; }
    bool SetNormalCooperativeLevel() override { return !m_current->cooperativeLevelFails; }
    void EnumerateModes(DisplayEnumeration& enumeration) override {
        for (const Mode& m : m_current->modes) {
            if (!HandleDisplayMode(enumeration, std::get<0>(m), std::get<1>(m), std::get<2>(m))) break;
            ++modesTaken;
        }
    }
    void Release() override { ++released; }

private:
    ScriptedDevice* m_current = nullptr;
};

class DisplayDevices : public ::testing::Test {
protected:
    void Enumerate(std::vector<ScriptedDevice> devices) {
        displays.devices = std::move(devices);
        ScanDisplayDevices(displays, scan);
        EXPECT_EQ(displays.released, displays.created);
    }
    // One slot as text: description, 3D flag, 3dfx flag, mode count, first GUID byte.
    std::string Slot(int slot) const {
        const DisplayDevice& d = scan.devices[slot];
        return std::string(d.description) + " 3d" + std::to_string(d.hardware3D) + " 3dfx" +
               std::to_string(d.is3dfxDriver) + " modes" + std::to_string(d.modeCount) + " guid" +
               std::to_string(d.guid.bytes[0]);
    }
    // Device count, hardware3DAvailable, primaryAccelerated.
    std::string Globals() const {
        return std::to_string(scan.deviceCount) + " available" + std::to_string(scan.hardware3DAvailable) +
               " state" + std::to_string(scan.primaryAccelerated);
    }
    std::vector<Mode> ModesOf(int slot) const {
        const DisplayDevice& d = scan.devices[slot];
        std::vector<Mode> modes;
        for (int i = 0; i < d.modeCount; ++i)
            modes.emplace_back(uint32_t(d.modeWidth[i]), uint32_t(d.modeHeight[i]), uint32_t(d.modeBitsPerPixel[i]));
        return modes;
    }

    DisplayScan scan{};
    ScriptedDisplays displays;
};

const std::string kEmptySlot = " 3d0 3dfx0 modes0 guid0";

// Without DirectDraw devices (no display system at all) the table starts empty, and
// the availability stays as it came in.
TEST_F(DisplayDevices, NoDevicesLeaveAnEmptyTable) {
    for (DisplayDevice& slot : scan.devices)
        slot.hardware3D = slot.is3dfxDriver = slot.modeCount = slot.guid.bytes[0] = 1;
    scan.deviceCount = 3;
    scan.hardware3DAvailable = 1;
    scan.primaryAccelerated = true;
    Enumerate({});
    EXPECT_EQ(Globals(), "0 available1 state0");
    for (int slot = 0; slot < kDisplayDeviceSlots; ++slot) EXPECT_EQ(Slot(slot), kEmptySlot) << slot;
}

TEST_F(DisplayDevices, PrimaryModesSortByAreaPlusDepth) {
    ScriptedDevice primary = Primary();
    primary.modes = {{1024, 768, 8}, {320, 240, 32}, {800, 600, 16}, {320, 240, 8}, {640, 480, 32}};
    displays.probeResult = Accelerated;
    Enumerate({primary});
    EXPECT_EQ(Globals(), "1 available1 state1");
    EXPECT_EQ(Slot(1), "Board 3d1 3dfx0 modes5 guid0");
    EXPECT_EQ(ModesOf(1), (std::vector<Mode>{{320, 240, 8}, {320, 240, 32}, {640, 480, 32}, {800, 600, 16},
                                             {1024, 768, 8}}));
}

// A primary display whose OpenGL format is refused keeps its slot, but nothing else.
TEST_F(DisplayDevices, RejectedPrimaryFormatLeavesTheSlotEmpty) {
    displays.probeResult = FormatRejected;
    Enumerate({Primary()});
    EXPECT_EQ(Globals(), "1 available0 state0");
    EXPECT_EQ(Slot(1), kEmptySlot);
    EXPECT_EQ(displays.modesTaken, 0);
}

TEST_F(DisplayDevices, SecondaryDecidesAvailabilityAndA3dfxDriverInAnyCaseCarriesTheRenderer) {
    for (const char* driver : {"3dfxvs.drv", "Voodoo 3DFX Interactive", "MNSTR2.drv"}) {
        Enumerate({Primary(), {driver, 7}});
        EXPECT_EQ(Globals(), "2 available1 state0") << driver;
        EXPECT_EQ(Slot(2), "Board 3d1 3dfx1 modes2 guid7") << driver;
    }
    displays.probeResult = Accelerated;
    Enumerate({Primary(), {"plain.drv", 2}});
    EXPECT_EQ(Globals(), "2 available0 state1");
    EXPECT_EQ(Slot(1) + "," + Slot(2), "Board 3d1 3dfx0 modes2 guid0,Board 3d0 3dfx0 modes2 guid2");
    EXPECT_EQ(displays.probes, 4);  // the primary device only, once per enumeration
}

TEST_F(DisplayDevices, DeviceWithoutDirectDrawObjectKeepsItsSlot) {
    ScriptedDevice noObject = {"3dfx.drv", 2}, noCooperation = {"3dfx.drv", 3};
    noObject.createFails = noCooperation.cooperativeLevelFails = true;
    Enumerate({Primary(), noObject, noCooperation});
    EXPECT_EQ(Globals(), "3 available0 state0");  // the 3dfx verdict would have set it
    EXPECT_EQ(Slot(2) + "," + Slot(3), " 3d0 3dfx1 modes0 guid0, 3d0 3dfx1 modes0 guid0");
}

TEST_F(DisplayDevices, ManyModesKeepTheFirst128Sorted) {
    ScriptedDevice primary = Primary();
    primary.modes.clear();
    for (uint32_t i = 0; i < 200; ++i) primary.modes.emplace_back(2000 - i, 1000, 32);
    Enumerate({primary});
    EXPECT_EQ(displays.modesTaken, 128);
    const std::vector<Mode> kept = ModesOf(1);
    EXPECT_EQ(kept.size() == 128 ? kept.front() : Mode(), Mode(2000 - 127, 1000, 32));
}

TEST_F(DisplayDevices, FourDevicesFillTheSlotsAndLaterOnesAreIgnored) {
    std::vector<ScriptedDevice> devices = {Primary()};
    for (uint8_t id = 2; id <= 6; ++id) devices.push_back({id == 5 ? "plain" : "3dfx", id});
    Enumerate(devices);
    EXPECT_EQ(Globals(), "4 available1 state0");  // the fifth device's plain driver was never looked at
    EXPECT_EQ(displays.created, 4);
    EXPECT_EQ(Slot(0), kEmptySlot);
    EXPECT_EQ(Slot(4), "Board 3d1 3dfx1 modes2 guid4");
}

TEST_F(DisplayDevices, OverlongNamesAreShortened) {
    ScriptedDevice device = {std::string(250, 'x') + "3dfx" + std::string(300, 'y'), 2};
    device.description = std::string(500, 'd');
    Enumerate({Primary(), device, {std::string(253, 'x') + "3dfx", 3}});
    EXPECT_EQ(Slot(2), std::string(127, 'd') + " 3d1 3dfx1 modes2 guid2");
    EXPECT_EQ(Slot(3), "Board 3d0 3dfx0 modes2 guid3");  // the marker lies beyond 255 characters
}

}  // namespace
