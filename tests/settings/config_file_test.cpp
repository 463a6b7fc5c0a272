#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <string>

#include "settings/config_file.h"
#include "settings/ini_file.h"
#include "tests/settings/settings_fixture.h"

namespace {

std::string FromHex(std::string hex) {
    hex.erase(std::remove(hex.begin(), hex.end(), ' '), hex.end());
    std::string bytes;
    for (size_t at = 0; at + 1 < hex.size(); at += 2) bytes += char(std::stoi(hex.substr(at, 2), nullptr, 16));
    return bytes;
}

// U.S. English system, QWERTY keyboard, 300 MHz, no accelerator.
const std::string kUsDefaults = FromHex(
    "10000000 01000000 00000000 00000000 00020000 80010000 01000000 02000000"
    "000000000000F03F 000000000000F03F 64000000 64000000 00000000"
    "00010203040506070809"
    "C8D0CDCB 10111213 1E1F2021 0F1C0F1C 1001"
    "0000000000000000 000000000000F03F 000000000000F03F 000000000000F03F"
    "00 00000000000000");

using ConfigDefaults = SettingsTest;

// Other machines than the U.S. one change only their own bytes of the record.
TEST_F(ConfigDefaults, TheRecordFollowsClockAcceleratorAndKeyboard) {
    ASSERT_EQ(kUsDefaults.size(), 128u);
    const unsigned char azerty[5] = {30, 44, 18, 19, 16};
    // clang-format off
    const struct { int32_t mhz; bool accelerator, qwerty; uint16_t langId; char renderer, state, language; } cases[] = {
        {300, false, true, 0x0409, 1, 0, 0}, {299, false, true, 0x0409, 0, 0, 0}, {0, true, true, 0x0409, 2, 1, 0},
        {300, false, false, 0x0409, 1, 0, 0}, {300, false, true, 0x0807, 1, 0, 2}, {300, false, true, 0x0C0A, 1, 0, 3},
        {300, false, true, 0x080C, 1, 0, 1}, {300, false, true, 0x0410, 1, 0, 4}, {300, false, true, 0x0413, 1, 0, 5},
        {300, false, true, 0x0816, 1, 0, 0}, {300, false, true, 0x0416, 1, 0, 0}};  // by the primary language
    // clang-format on
    for (const auto& c : cases) {
        machine = {c.mhz, c.accelerator, c.langId, c.qwerty};
        MakeDefaultConfig(config, machine);
        std::string expected = kUsDefaults;
        expected[4] = c.renderer;
        expected[8] = c.language;
        expected[12] = c.state;
        if (!c.qwerty) expected.replace(74, 5, reinterpret_cast<const char*>(azerty), 5);
        EXPECT_EQ(RecordBytes(), expected) << int(&c - cases);
    }
    EXPECT_FALSE(IsQwertyLayout(0xFFFFFFFFu, 0x1E));  // a keyboard without 'q'
    EXPECT_FALSE(IsQwertyLayout(0x1E, 0x1E));
    EXPECT_TRUE(IsQwertyLayout(0x10, 0x1E));
}

using ConfigFile = SettingsTest;

// A file of another size or version, a language outside 0..5, or OpenGL picked in memory
// on a machine without accelerator give the defaults, written back; a read record keeps
// its tail.
TEST_F(ConfigFile, InvalidRecordsGiveTheDefaultsAndValidOnesStay) {
    machine.cpuMHz = 300;
    std::string valid = kUsDefaults;
    valid[16] = 0x20;  // a width the defaults lack
    valid.replace(121, 7, "tailtai");
    const auto changed = [&](size_t offset, int32_t value) {
        std::string bytes = valid;
        bytes.replace(offset, 4, reinterpret_cast<const char*>(&value), 4);
        return bytes;
    };
    const std::string defaults = kUsDefaults, defaultsWithTail = kUsDefaults.substr(0, 121) + "tailtai";
    std::string openGl = changed(4, RenderOpenGL);  // stored on a machine without accelerator: kept
    openGl[40] = '\x11';                            // a game-owned double
    // clang-format off
    const struct { std::string stored; int32_t rendererBefore; bool accelerator; std::string loaded; } cases[] = {
        {"", 0, false, defaults}, {std::string(127, '\x07'), 0, false, defaults}, {valid + "x", 0, false, defaults},
        {changed(0, 15), 0, false, defaultsWithTail}, {changed(8, 6), 0, false, defaultsWithTail},
        {changed(8, -1), 0, false, defaultsWithTail}, {valid, RenderOpenGL, false, defaultsWithTail},
        {valid, RenderOpenGL, true, valid}, {valid, 0, false, valid}, {openGl, 0, false, openGl}};
    // clang-format on
    for (const auto& c : cases) {
        config = GameConfig{};
        machine.hardware3DAvailable = c.accelerator;
        WriteBytes(kConfigPath, c.stored);
        const int asked = factsAsked;
        Load(c.rendererBefore);
        const int row = int(&c - cases);
        EXPECT_EQ(RecordBytes(), c.loaded) << row;
        // Only the defaults need the machine (its clock rate takes seconds to measure).
        EXPECT_EQ(factsAsked - asked, c.loaded == c.stored ? 0 : 1) << row;
        EXPECT_EQ(ReadBytes(kConfigPath), c.loaded) << row;
    }
    SaveConfigRecord(config);  // the game's fields and the tail go through a save
    EXPECT_EQ(ReadBytes(kConfigPath), openGl);
}

// While the ini marks a first run, a load takes its first language and a save writes
// the record's language into it; otherwise the ini is left alone.
TEST_F(ConfigFile, FirstRunTiesTheIniLanguageToTheRecord) {
    std::string stored = kUsDefaults;
    WriteBytes(kConfigPath, stored);
    WriteBytes(kIniPath, "FirstTime=1\r\nLanguage=3\r\nLanguage=1\r\n");
    Load();
    EXPECT_EQ(config.languageIndex, 3);
    stored[8] = 3;
    EXPECT_EQ(ReadBytes(kConfigPath), stored);
    config.languageIndex = 5;
    SaveConfigRecord(config);
    EXPECT_EQ(ReadBytes(kIniPath), "FirstTime=1\r\nLanguage=5\r\nLanguage=1\r\n");
    WriteBytes(kIniPath, "FirstTime=0\nLanguage=1\n");
    SaveConfigRecord(config);
    EXPECT_EQ(ReadBytes(kIniPath), "FirstTime=0\nLanguage=1\n");
}

TEST_F(ConfigFile, WithoutBinFolderNothingIsWrittenAndMemoryStays) {
    std::filesystem::remove("bin");
    MakeDefaultConfig(config, machine);
    const std::string before = RecordBytes();
    EXPECT_FALSE(SaveConfigRecord(config));
    Load();
    EXPECT_EQ(RecordBytes(), before);
    EXPECT_FALSE(FileExists("bin"));
}

// A new file takes the old record's place (a second name of the old file keeps the old
// contents); a folder that takes no new file still lets the existing record be rewritten
// in place; whatever happens, no temporary file stays behind.
TEST_F(ConfigFile, SaveReplacesTheFileAndLeavesNoTemporaryFile) {
    MakeDefaultConfig(config, machine);
    config.screenWidth = 1024;
    const char* const kOldName = "bin/old.pc";
    // clang-format off
    const struct { bool oldFile, tempBlocked, targetIsFolder, saved; } cases[] = {
        {true, false, false, true},
        {false, false, false, true},
        {true, true, false, true},    // rewritten in place, a longer old file cut to size
        {false, true, false, false},  // no file to rewrite
        {false, false, true, false},  // the swap itself fails
    };
    // clang-format on
    for (const auto& c : cases) {
        std::filesystem::remove_all(kConfigPath);
        std::filesystem::remove_all(kConfigTempPath);
        std::filesystem::remove(kOldName);
        if (c.oldFile) WriteBytes(kConfigPath, kUsDefaults + "longer");
        if (c.oldFile) std::filesystem::create_hard_link(kConfigPath, kOldName);
        if (c.tempBlocked) std::filesystem::create_directory(kConfigTempPath);
        if (c.targetIsFolder) std::filesystem::create_directory(kConfigPath);
        const int row = int(&c - cases);
        EXPECT_EQ(SaveConfigRecord(config), c.saved) << row;
        EXPECT_EQ(FileExists(kConfigTempPath), c.tempBlocked) << row;  // only the blocking folder
        if (c.saved) {
            EXPECT_EQ(ReadBytes(kConfigPath), RecordBytes()) << row;
            if (c.oldFile) {
                EXPECT_EQ(ReadBytes(kOldName), c.tempBlocked ? RecordBytes() : kUsDefaults + "longer") << row;
            }
        } else if (!c.targetIsFolder) {
            EXPECT_EQ(FileExists(kConfigPath), c.oldFile) << row;
        }
    }
}

}  // namespace
