#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "launcher/launcher_state.h"
#include "settings/ini_file.h"
#include "tests/settings/settings_fixture.h"

namespace {

using IniRead = SettingsTest;

TEST_F(IniRead, MissingFileGivesTheDefaults) {
    gameConfig.languageIndex = 4;
    EXPECT_EQ(IniFirstTime(), 0);
    ReadIniLanguageAll();
    ReadIniLanguageFirst();
    EXPECT_EQ(gameConfig.languageIndex, 4);
    EXPECT_EQ(ReadIniDriverSettings(), 0);
    EXPECT_STREQ(driverDllName, "");
    EXPECT_EQ(checkGdi, 1);
    WriteIniLanguage(2);
    EXPECT_FALSE(FileExists(kIniPath));
}

TEST_F(IniRead, StartUpTakesTheLastLanguageAndReloadTheFirst) {
    WriteIni("FirstTime=1\nLanguage=3\nother=1\nLanguage=1\n");
    ReadIniLanguageAll();
    EXPECT_EQ(gameConfig.languageIndex, 1);
    ReadIniLanguageFirst();
    EXPECT_EQ(gameConfig.languageIndex, 3);
}

TEST_F(IniRead, IntegersFollowScanfBaseRules) {
    const struct { const char* text; int value; } cases[] = {
        {"Language=010\n", 8}, {"Language=0x2\n", 2}, {"Language=0X1F\n", 31},
        {"Language= 2\n", 2},  {"Language=-1\r\n", -1}, {"Language=7", 7},
    };
    for (const auto& c : cases) {
        gameConfig.languageIndex = 99;
        WriteIni(c.text);
        ReadIniLanguageAll();
        EXPECT_EQ(gameConfig.languageIndex, c.value) << c.text;
    }
}

TEST_F(IniRead, LinesThatOnlyMentionAKeyParseNothing) {
    WriteIni("; FirstTime=1 marks a first run\nFirstTime=1\n");
    EXPECT_EQ(IniFirstTime(), 0);  // the search stops at the comment

    WriteIni("; DLL=glide.dll\nDLL=glide.dll\nCheckGDI=0\n");
    ReadIniDriverSettings();
    EXPECT_STREQ(driverDllName, "");
    EXPECT_EQ(checkGdi, 0);

    gameConfig.languageIndex = 4;
    WriteIni("[Language]\nLanguage=\n");
    ReadIniLanguageAll();
    ReadIniLanguageFirst();
    EXPECT_EQ(gameConfig.languageIndex, 4);
}

TEST_F(IniRead, DriverSettingsInAnyOrderAndUpToTheFirstBlank) {
    WriteIni("CheckGDI=0x0\r\n\r\nDLL=my lib.dll\r\n");
    EXPECT_EQ(ReadIniDriverSettings(), 1);
    EXPECT_STREQ(driverDllName, "my");
    EXPECT_EQ(checkGdi, 0);
}

TEST_F(IniRead, DllValueIsBoundedByTheLinePiece) {
    const std::string longName(200, 'x');
    WriteIni("DLL=" + longName + "\n");
    ReadIniDriverSettings();
    EXPECT_EQ(std::string(driverDllName), longName.substr(0, 75));
}

TEST_F(IniRead, LongLinesAreReadInPiecesThatCountAsLines) {
    // 79 characters fill the start-up reader's first piece, so "Language=4" starts a
    // piece of its own there; the reload reader sees one line that starts otherwise.
    const std::string line = std::string(79, '#') + "Language=4\n";
    gameConfig.languageIndex = 1;
    WriteIni(line);
    ReadIniLanguageFirst();
    EXPECT_EQ(gameConfig.languageIndex, 1);
    ReadIniLanguageAll();
    EXPECT_EQ(gameConfig.languageIndex, 4);

    WriteIni(std::string(300, ' ') + "FirstTime=1\n");
    EXPECT_EQ(IniFirstTime(), 0);
}

TEST_F(IniRead, FindIniLineRewindsAndReportsTheEnd) {
    WriteIni("a=1\nKey=2\n");
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
    WriteIni(junk);
    gameConfig.languageIndex = 1;
    ReadIniLanguageAll();
    ReadIniLanguageFirst();
    ReadIniDriverSettings();
    IniFirstTime();
    WriteIniLanguage(3);
    EXPECT_EQ(ReadIni().size(), junk.size());
}

using IniWrite = SettingsTest;

TEST_F(IniWrite, ReplacesOnlyTheByteAfterTheFirstLanguageKey) {
    const struct { const char* before; int language; const char* after; } cases[] = {
        {"FirstTime=1\r\nLanguage=0\r\n", 3, "FirstTime=1\r\nLanguage=3\r\n"},
        {"Language=12\nLanguage=1\n", 2, "Language=22\nLanguage=1\n"},
        {"Language= 1\n", 5, "Language=51\n"},
        {"Language=\r\nDLL=x\r\n", 2, "Language=2\nDLL=x\r\n"},
        {"Language=4\n", 6, "Language=0\n"},
        {"Language=4\n", -1, "Language=0\n"},
        {"Language=", 1, "Language="},
        {"no key here\n", 1, "no key here\n"},
    };
    for (const auto& c : cases) {
        WriteIni(c.before);
        WriteIniLanguage(c.language);
        EXPECT_EQ(ReadIni(), c.after) << c.before;
    }
}

TEST_F(IniWrite, EmptyValueBeforeABareLineFeedKeepsTheNextLineIntact) {
    WriteIni("Language=\nDLL=glide.dll\n");
    WriteIniLanguage(3);
    EXPECT_EQ(ReadIni(), "Language=\nDLL=glide.dll\n");
    ReadIniDriverSettings();
    EXPECT_STREQ(driverDllName, "glide.dll");
}

TEST_F(IniWrite, OnlyTheFirst4096BytesAreSearchedAndNothingBeyondChanges) {
    const std::string tail = "Language=1\n" + std::string(500, 'z');
    std::string text = "FirstTime=1\n" + std::string(4100, ';') + "\n" + tail;
    WriteIni(text);
    WriteIniLanguage(4);
    EXPECT_EQ(ReadIni(), text);

    text = std::string(4087, ';') + "Language=1" + tail;  // the digit is byte 4097
    WriteIni(text);
    WriteIniLanguage(4);
    EXPECT_EQ(ReadIni(), text);

    text = std::string(4086, ';') + "Language=1" + tail;  // the digit is byte 4096
    WriteIni(text);
    WriteIniLanguage(4);
    text[4095] = '4';
    EXPECT_EQ(ReadIni(), text);
}

}  // namespace
