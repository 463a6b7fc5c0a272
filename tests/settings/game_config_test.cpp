#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>

#include "settings/config_file.h"
#include "settings/ini_file.h"
#include "tests/settings/settings_fixture.h"

namespace {

std::string FromHex(const char* hex) {
    std::string bytes;
    for (const char* p = hex; *p;) {
        if (*p == ' ') { ++p; continue; }
        bytes += char(std::stoi(std::string(p, 2), nullptr, 16));
        p += 2;
    }
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

TEST_F(ConfigDefaults, UsMachineGivesTheExactRecord) {
    machine.cpuMHz = 300;
    MakeDefaultConfig(config, machine);
    ASSERT_EQ(kUsDefaults.size(), 128u);
    EXPECT_EQ(RecordBytes(), kUsDefaults);
}

TEST_F(ConfigDefaults, AzertyKeyboardSwapsTheLetterKeysOnly) {
    machine.cpuMHz = 300;
    UseAzertyKeyboard();
    MakeDefaultConfig(config, machine);
    std::string expected = kUsDefaults;
    const unsigned char azerty[5] = {30, 44, 18, 19, 16};
    expected.replace(74, 5, reinterpret_cast<const char*>(azerty), 5);
    EXPECT_EQ(RecordBytes(), expected);
}

TEST_F(ConfigDefaults, RendererFollowsAcceleratorAndClockRate) {
    machine.cpuMHz = 299;
    MakeDefaultConfig(config, machine);
    EXPECT_EQ(config.renderer, RenderSoftware8);
    EXPECT_EQ(config.hardware3DState, 0);

    machine.cpuMHz = 300;
    MakeDefaultConfig(config, machine);
    EXPECT_EQ(config.renderer, RenderSoftware24);

    machine.cpuMHz = 0;
    machine.hardware3DAvailable = true;
    MakeDefaultConfig(config, machine);
    EXPECT_EQ(config.renderer, RenderOpenGL);
    EXPECT_EQ(config.hardware3DState, 1);
}

TEST_F(ConfigDefaults, LanguageComesFromThePrimarySystemLanguage) {
    const struct { unsigned langId; int language; } cases[] = {
        {0x0807, 2}, {0x0C0A, 3}, {0x080C, 1}, {0x0410, 4}, {0x0413, 5}, {0x0816, 0}, {0x0416, 0}};
    for (const auto& c : cases) {
        UseSystemLanguage(c.langId);
        MakeDefaultConfig(config, machine);
        EXPECT_EQ(config.languageIndex, c.language) << std::hex << c.langId;
    }
}

using ConfigFile = SettingsTest;

TEST_F(ConfigFile, WrongSizesAreReplacedByDefaultsAndWrittenBack) {
    machine.cpuMHz = 300;
    for (size_t size : {0u, 127u, 129u}) {
        MakeDefaultConfig(config, machine);
        WriteBytes(kConfigPath, std::string(size, '\x07'));
        config.screenWidth = 1;  // must not survive
        LoadConfigRecord(config, machine);
        EXPECT_EQ(RecordBytes(), kUsDefaults) << size;
        EXPECT_EQ(ReadBytes(kConfigPath), kUsDefaults) << size;
    }
}

TEST_F(ConfigFile, BadVersionOrLanguageResetsTheWholeRecordButKeepsTheTail) {
    machine.cpuMHz = 300;
    const struct { size_t offset; int32_t value; } bad[] = {{0, 15}, {8, 6}, {8, -1}};
    for (const auto& b : bad) {
        std::string stored = kUsDefaults;
        const int32_t width = 800;
        stored.replace(16, 4, reinterpret_cast<const char*>(&width), 4);
        stored.replace(b.offset, 4, reinterpret_cast<const char*>(&b.value), 4);
        stored.replace(121, 7, "tailtai");
        WriteBytes(kConfigPath, stored);
        LoadConfigRecord(config, machine);
        const std::string expected = kUsDefaults.substr(0, 121) + "tailtai";
        EXPECT_EQ(RecordBytes(), expected) << b.offset << " " << b.value;
        EXPECT_EQ(ReadBytes(kConfigPath), expected);
    }
}

TEST_F(ConfigFile, ValidRecordLoadsUnchangedAndTailIsCarriedThroughSaves) {
    std::string stored = kUsDefaults;
    stored[4] = 2;          // OpenGL stored on a machine without accelerator
    stored[40] = '\x11';    // a game-owned double
    stored.replace(121, 7, "\x01\x02\x03\x04\x05\x06\x07");
    WriteBytes(kConfigPath, stored);
    LoadConfigRecord(config, machine);
    EXPECT_EQ(RecordBytes(), stored);
    SaveConfigRecord(config);
    EXPECT_EQ(ReadBytes(kConfigPath), stored);
}

TEST_F(ConfigFile, PreviousRendererOpenGlWithoutAcceleratorRejectsTheFile) {
    machine.cpuMHz = 300;
    std::string stored = kUsDefaults;
    stored[16] = 0x20;  // a width the defaults do not have
    WriteBytes(kConfigPath, stored);
    config.renderer = RenderOpenGL;  // picked in memory before the reload
    LoadConfigRecord(config, machine);
    EXPECT_EQ(RecordBytes(), kUsDefaults);

    machine.hardware3DAvailable = true;  // with an accelerator the same reload keeps the file
    config.renderer = RenderOpenGL;
    WriteBytes(kConfigPath, stored);
    LoadConfigRecord(config, machine);
    EXPECT_EQ(RecordBytes(), stored);
}

TEST_F(ConfigFile, FirstTimeLoadTakesTheFirstIniLanguageAndSavesBothFiles) {
    std::string stored = kUsDefaults;
    WriteBytes(kConfigPath, stored);
    WriteBytes(kIniPath, "FirstTime=1\r\nLanguage=3\r\nLanguage=1\r\n");
    LoadConfigRecord(config, machine);
    EXPECT_EQ(config.languageIndex, 3);
    stored[8] = 3;
    EXPECT_EQ(ReadBytes(kConfigPath), stored);
    EXPECT_EQ(ReadBytes(kIniPath), "FirstTime=1\r\nLanguage=3\r\nLanguage=1\r\n");
}

TEST_F(ConfigFile, SaveRewritesTheIniDigitOnlyWhileFirstTimeIsSet) {
    MakeDefaultConfig(config, machine);
    config.languageIndex = 5;
    WriteBytes(kIniPath, "FirstTime=0\nLanguage=1\n");
    SaveConfigRecord(config);
    EXPECT_EQ(ReadBytes(kIniPath), "FirstTime=0\nLanguage=1\n");
    WriteBytes(kIniPath, "FirstTime=1\nLanguage=1\n");
    SaveConfigRecord(config);
    EXPECT_EQ(ReadBytes(kIniPath), "FirstTime=1\nLanguage=5\n");
}

TEST_F(ConfigFile, WithoutBinFolderNothingIsWrittenAndMemoryStays) {
    std::filesystem::remove("bin");
    MakeDefaultConfig(config, machine);
    const std::string before = RecordBytes();
    EXPECT_FALSE(SaveConfigRecord(config));
    LoadConfigRecord(config, machine);
    EXPECT_EQ(RecordBytes(), before);
    EXPECT_FALSE(FileExists("bin"));
}

// A folder that takes no new file still lets the existing record be rewritten in place;
// whatever happens, no temporary file stays behind.
TEST_F(ConfigFile, SaveReportsWhetherTheFileHoldsTheRecordAndLeavesNoTemporaryFile) {
    MakeDefaultConfig(config, machine);
    config.screenWidth = 1024;
    const struct { bool oldFile, tempBlocked, targetIsFolder, saved; } cases[] = {
        {true, false, false, true},
        {false, false, false, true},
        {true, true, false, true},    // rewritten in place, a longer old file cut to size
        {false, true, false, false},  // no file to rewrite
        {false, false, true, false},  // the swap itself fails
    };
    for (const auto& c : cases) {
        std::filesystem::remove_all(kConfigPath);
        std::filesystem::remove_all(kConfigTempPath);
        if (c.oldFile) WriteBytes(kConfigPath, kUsDefaults + "longer");
        if (c.tempBlocked) std::filesystem::create_directory(kConfigTempPath);
        if (c.targetIsFolder) std::filesystem::create_directory(kConfigPath);
        const int row = int(&c - cases);
        EXPECT_EQ(SaveConfigRecord(config), c.saved) << row;
        EXPECT_EQ(FileExists(kConfigTempPath), c.tempBlocked) << row;  // only the blocking folder
        if (c.saved) {
            EXPECT_EQ(ReadBytes(kConfigPath), RecordBytes()) << row;
        } else if (!c.targetIsFolder) {
            EXPECT_EQ(FileExists(kConfigPath), c.oldFile) << row;
        }
    }
}

}  // namespace
