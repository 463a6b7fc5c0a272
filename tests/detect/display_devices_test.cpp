#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <tuple>
#include <vector>

#include "detect/display_devices.h"

namespace {

using Mode = std::tuple<uint32_t, uint32_t, uint32_t>;

struct ScriptedDevice {
    std::string driverName;
    uint8_t id = 0;  // 0: the primary device, which DirectDraw names by a null GUID
    bool createFails = false, cooperativeLevelFails = false;
    std::string description = "Board";
    std::vector<Mode> modes = {{640, 480, 16}, {800, 600, 16}};
};
const ScriptedDevice kPrimary = {"display"};

// DirectDraw with scripted devices, itself the one object it hands out.
struct ScriptedDisplays : DisplaySystem, DirectDrawObject {
    std::vector<ScriptedDevice> devices;
    OpenGlProbeResult probeResult = NotAccelerated;
    int probes = 0, created = 0, released = 0, modesTaken = 0;
    ScriptedDevice* current = nullptr;

    void EnumerateDevices(DisplayEnumeration& enumeration) override {
        EXPECT_FALSE(HandleDisplayMode(enumeration, 640, 480, 16)) << "a mode before any device has no slot";
        for (ScriptedDevice& device : devices) {
            current = &device;
            DeviceGuid guid{};
            guid.bytes[0] = device.id;
            EXPECT_TRUE(HandleDisplayDevice(enumeration, device.id ? &guid : nullptr, device.description.c_str(),
                                            device.driverName.c_str()));
        }
    }
    DirectDrawObject* CreateDirectDraw(const DeviceGuid*) override {
        created += !current->createFails;
        return current->createFails ? nullptr : this;
    }
    OpenGlProbeResult ProbePrimaryOpenGl() override { return ++probes, probeResult; }
    bool SetNormalCooperativeLevel() override { return !current->cooperativeLevelFails; }
    void EnumerateModes(DisplayEnumeration& enumeration) override {
        for (const Mode& m : current->modes)
            if (!HandleDisplayMode(enumeration, std::get<0>(m), std::get<1>(m), std::get<2>(m))) break;
            else ++modesTaken;
    }
    void Release() override { ++released; }
};

// Scans from a table full of an earlier scan's leftovers; every object must come back released.
DisplayScan Scan(ScriptedDisplays& displays, uint8_t availableBefore = 0) {
    DisplayScan scan;
    std::memset(&scan, 1, sizeof scan);
    scan.hardware3DAvailable = availableBefore;
    ScanDisplayDevices(displays, scan);
    EXPECT_EQ(displays.released, displays.created);
    return scan;
}

// A slot as text: its description, "3d" and "3dfx" when set, its mode count and first GUID byte.
std::string Slot(const DisplayDevice& d) {
    return std::string(d.description) + (d.hardware3D ? " 3d" : "") + (d.is3dfxDriver ? " 3dfx" : "") + " m" +
           std::to_string(d.modeCount) + " g" + std::to_string(d.guid.bytes[0]);
}

TEST(DisplayDevices, SlotsAndAvailabilityFollowTheDevices) {
    const std::string kBoard = "Board m2 g0,", k3dfx = "Board 3d 3dfx m2 g";
    const ScriptedDevice noObject = {"3dfx", 2, true}, noCooperation = {"3dfx", 3, false, true};
    ScriptedDevice longNames = {std::string(250, 'x') + "3dfx" + std::string(300, 'y'), 2};
    longNames.description = std::string(500, 'd');
    // clang-format off
    const struct {
        const char* name;
        std::vector<ScriptedDevice> devices;
        OpenGlProbeResult probe;
        uint8_t availableBefore;
        std::string found;  // device count, available, primaryAccelerated: the filled slots
    } cases[] = {
        {"no display system", {}, Accelerated, 1, "0 1 0:"},
        {"accelerated primary", {kPrimary}, Accelerated, 0, "1 1 1: Board 3d m2 g0"},
        {"rejected primary format", {kPrimary}, FormatRejected, 1, "1 1 0:  m0 g0"},
        {"3dfx secondary", {kPrimary, {"3dfxvs.drv", 7}}, NotAccelerated, 0, "2 1 0: " + kBoard + k3dfx + "7"},
        {"3dfx in capitals", {kPrimary, {"Voodoo 3DFX", 7}}, NotAccelerated, 0, "2 1 0: " + kBoard + k3dfx + "7"},
        {"Monster board", {kPrimary, {"MNSTR2.drv", 7}}, NotAccelerated, 0, "2 1 0: " + kBoard + k3dfx + "7"},
        {"plain secondary decides last", {kPrimary, {"plain", 2}}, Accelerated, 0,
         "2 0 1: Board 3d m2 g0,Board m2 g2"},
        {"no DirectDraw object", {kPrimary, noObject, noCooperation}, NotAccelerated, 0,
         "3 0 0: " + kBoard + " 3dfx m0 g0, 3dfx m0 g0"},
        {"fifth and later ignored", {kPrimary, {"3dfx", 2}, {"3dfx", 3}, {"3dfx", 4}, {"plain", 5}, {"3dfx", 6}},
         NotAccelerated, 0, "4 1 0: " + kBoard + k3dfx + "2," + k3dfx + "3," + k3dfx + "4"},
        {"overlong names", {kPrimary, longNames, {std::string(252, 'x') + "3dfx", 3}}, NotAccelerated, 0,
         "3 0 0: " + kBoard + std::string(127, 'd') + " 3d 3dfx m2 g2,Board m2 g3"},  // 3dfx cut at 255 characters
    };
    // clang-format on
    const DisplayDevice kZero{};
    for (const auto& c : cases) {
        ScriptedDisplays displays;
        displays.devices = c.devices;
        displays.probeResult = c.probe;
        const DisplayScan scan = Scan(displays, c.availableBefore);
        std::string found = std::to_string(scan.deviceCount) + " " + std::to_string(scan.hardware3DAvailable) + " " +
                            std::to_string(scan.primaryAccelerated) + ":";
        for (int slot = 1; slot <= scan.deviceCount; ++slot) found += (slot > 1 ? "," : " ") + Slot(scan.devices[slot]);
        EXPECT_EQ(found, c.found) << c.name;
        for (int slot = 0; slot < kDisplayDeviceSlots; ++slot)
            EXPECT_TRUE((slot > 0 && slot <= scan.deviceCount) ||
                        !std::memcmp(&scan.devices[slot], &kZero, sizeof kZero))
                << c.name << ": leftovers in slot " << slot;
        EXPECT_EQ(displays.probes, c.devices.empty() ? 0 : 1) << c.name;  // the primary device only
    }
}

TEST(DisplayDevices, ModesSortByAreaPlusDepthAndStopAt128) {
    ScriptedDisplays displays;
    displays.devices = {kPrimary, {"3dfx", 2}};
    displays.devices[0].modes = {{1024, 768, 8}, {320, 240, 32}, {800, 600, 16},
                                 {320, 240, 8},  {600, 800, 16}, {640, 480, 32}};
    for (uint32_t i = 0; i < 200; ++i) displays.devices[1].modes.emplace_back(2000 - i, 1000, 32);
    const DisplayScan scan = Scan(displays);
    std::vector<Mode> modes[3];
    for (int slot : {1, 2})
        for (int i = 0; i < scan.devices[slot].modeCount; ++i)
            modes[slot].emplace_back(scan.devices[slot].modeWidth[i], scan.devices[slot].modeHeight[i],
                                     scan.devices[slot].modeBitsPerPixel[i]);
    // Of two equal keys the later reported comes first here, where a stable sort would keep them.
    EXPECT_EQ(modes[1],
              (std::vector<Mode>{
                  {320, 240, 8}, {320, 240, 32}, {640, 480, 32}, {600, 800, 16}, {800, 600, 16}, {1024, 768, 8}}));
    EXPECT_EQ(displays.modesTaken, 6 + 128);
    ASSERT_EQ(modes[2].size(), 128u);
    EXPECT_EQ(modes[2].front(), Mode(640, 480, 16));  // the first two scripted modes are the smallest
    EXPECT_EQ(modes[2].back(), Mode(2000, 1000, 32));
}

}  // namespace
