#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "settings/ini_file.h"
#include "tests/settings/settings_fixture.h"

namespace {

using IniRead = SettingsTest;

TEST_F(IniRead, StartUpTakesTheLastLanguageAndReloadTheFirst) {
    WriteBytes(kIniPath, "FirstTime=1\nLanguage=3\nother=1\nLanguage=1\n");
    ReadIniLanguageAll(config.languageIndex);
    EXPECT_EQ(config.languageIndex, 1);
    ReadIniLanguageFirst(config.languageIndex);
    EXPECT_EQ(config.languageIndex, 3);
}

TEST_F(IniRead, IntegersFollowScanfBaseRules) {
    const struct { const char* text; int value; } cases[] = {
        {"Language=010\n", 8}, {"Language=0X1F\n", 31}, {"Language= 2\n", 2}};
    for (const auto& c : cases) {
        config.languageIndex = 99;
        WriteBytes(kIniPath, c.text);
        ReadIniLanguageAll(config.languageIndex);
        EXPECT_EQ(config.languageIndex, c.value) << c.text;
    }
}

TEST_F(IniRead, LinesThatOnlyMentionAKeyParseNothing) {
    WriteBytes(kIniPath, "; FirstTime=1 marks a first run\nFirstTime=1\n");
    EXPECT_EQ(IniFirstTime(), 0);  // the search stops at the comment

    WriteBytes(kIniPath, "; DLL=glide.dll\nDLL=glide.dll\nCheckGDI=0\n");
    ReadIniDriverSettings(driverDllName, checkGdi);
    EXPECT_STREQ(driverDllName, "");
    EXPECT_EQ(checkGdi, 0);
}

TEST_F(IniRead, DriverSettingsInAnyOrderAndUpToTheFirstBlank) {
    WriteBytes(kIniPath, "CheckGDI=0x0\r\n\r\nDLL=my lib.dll\r\n");
    EXPECT_EQ(ReadIniDriverSettings(driverDllName, checkGdi), 1);
    EXPECT_STREQ(driverDllName, "my");
    EXPECT_EQ(checkGdi, 0);
}

TEST_F(IniRead, DllValueIsBoundedByTheLinePiece) {
    const std::string longName(200, 'x');
    WriteBytes(kIniPath, "DLL=" + longName + "\n");
    ReadIniDriverSettings(driverDllName, checkGdi);
    EXPECT_EQ(std::string(driverDllName), longName.substr(0, 75));
}

TEST_F(IniRead, LongLinesAreReadInPiecesThatCountAsLines) {
    // 79 characters fill the start-up reader's first piece, so "Language=4" starts a
    // piece of its own there; the reload reader sees one line that starts otherwise.
    const std::string line = std::string(79, '#') + "Language=4\n";
    config.languageIndex = 1;
    WriteBytes(kIniPath, line);
    ReadIniLanguageFirst(config.languageIndex);
    EXPECT_EQ(config.languageIndex, 1);
    ReadIniLanguageAll(config.languageIndex);
    EXPECT_EQ(config.languageIndex, 4);

}

TEST_F(IniRead, FindIniLineRewindsAndReportsTheEnd) {
    WriteBytes(kIniPath, "a=1\nKey=2\n");
    FILE* file = std::fopen(kIniPath, "rt");
    ASSERT_NE(file, nullptr);
    char line[80];
    EXPECT_EQ(FindIniLine(file, "Key", line, sizeof line), 1);
    EXPECT_EQ(FindIniLine(file, "a=", line, sizeof line), 1);
    EXPECT_STREQ(line, "a=1\n");
    EXPECT_EQ(FindIniLine(file, "missing", line, sizeof line), 0);
    std::fclose(file);
}

TEST_F(IniRead, BinaryGarbageNeverCrashesAndLeavesValuesAlone) {
    std::string junk;
    for (int i = 0; i < 9000; ++i) junk += char((i * 37) & 0xFF);
    junk += std::string("\0Language=2\0DLL=\0", 17);
    WriteBytes(kIniPath, junk);
    config.languageIndex = 1;
    ReadIniLanguageAll(config.languageIndex);
    ReadIniLanguageFirst(config.languageIndex);
    ReadIniDriverSettings(driverDllName, checkGdi);
    IniFirstTime();
    WriteIniLanguage(3);
    EXPECT_EQ(ReadBytes(kIniPath).size(), junk.size());
}

using IniWrite = SettingsTest;

TEST_F(IniWrite, ReplacesOnlyTheByteAfterTheFirstLanguageKey) {
    const struct { const char* before; int language; const char* after; } cases[] = {
        {"FirstTime=1\r\nLanguage=0\r\n", 3, "FirstTime=1\r\nLanguage=3\r\n"},
        {"Language=12\nLanguage=1\n", 2, "Language=22\nLanguage=1\n"},
        {"Language=\r\nDLL=x\r\n", 2, "Language=2\nDLL=x\r\n"},
        {"Language=4\n", 6, "Language=0\n"},
        {"FirstTime=1\nLanguage=\n", 4, "FirstTime=1\nLanguage=4"},  // only the final line break goes
        {"no key here\n", 1, "no key here\n"},
    };
    for (const auto& c : cases) {
        WriteBytes(kIniPath, c.before);
        WriteIniLanguage(c.language);
        EXPECT_EQ(ReadBytes(kIniPath), c.after) << c.before;
    }
}

TEST_F(IniWrite, EmptyValueBeforeABareLineFeedKeepsTheNextLineIntact) {
    WriteBytes(kIniPath, "Language=\nDLL=glide.dll\n");
    WriteIniLanguage(3);
    EXPECT_EQ(ReadBytes(kIniPath), "Language=\nDLL=glide.dll\n");
    ReadIniDriverSettings(driverDllName, checkGdi);
    EXPECT_STREQ(driverDllName, "glide.dll");
}

TEST_F(IniWrite, OnlyTheFirst4096BytesAreSearchedAndNothingBeyondChanges) {
    const std::string tail = "Language=1\n" + std::string(500, 'z');
    std::string text = std::string(4087, ';') + "Language=1" + tail;  // the digit is byte 4097
    WriteBytes(kIniPath, text);
    WriteIniLanguage(4);
    EXPECT_EQ(ReadBytes(kIniPath), text);

    text = std::string(4086, ';') + "Language=1" + tail;  // the digit is byte 4096
    WriteBytes(kIniPath, text);
    WriteIniLanguage(4);
    text[4095] = '4';
    EXPECT_EQ(ReadBytes(kIniPath), text);
}

}  // namespace
