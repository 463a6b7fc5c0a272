#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "settings/ini_file.h"
#include "tests/settings/settings_fixture.h"

namespace {

using IniRead = SettingsTest;

// Start-up takes the last parsable Language line, reload the first line naming it; each
// reads lines in pieces of its buffer (79 and 255 characters), and every piece counts as
// a line. Values parse as scanf's %i does.
TEST_F(IniRead, LanguageReadersTakeTheirLineInTheirPieces) {
    const std::string long79 = std::string(79, '#') + "Language=4\n", long255 = std::string(255, '#') + "Language=3\n";
    // clang-format off
    const struct { std::string text; int32_t atStartUp, onReload; } cases[] = {
        {"FirstTime=1\nLanguage=3\nother=1\nLanguage=1\n", 1, 3},
        {"Language=010\n", 8, 8}, {"Language=0X1F\n", 31, 31}, {"Language= 2\n", 2, 2}, {"; Language=5\n", 7, 7},
        {long79, 4, 7}, {long255, 7, 3}, {"", 7, 7}};
    // clang-format on
    for (const auto& c : cases) {
        WriteBytes(kIniPath, c.text);
        EXPECT_EQ(IniLanguageOfAllLines(7), c.atStartUp) << c.text;
        config.languageIndex = 7;
        ReadIniLanguageFirst(config.languageIndex);
        EXPECT_EQ(config.languageIndex, c.onReload) << c.text;
    }
    // Pieces of one character are the smallest a line buffer can take (two bytes);
    // a one-byte buffer would never move on.
    WriteBytes(kIniPath, "a=1\n");
    FILE* file = std::fopen(kIniPath, "rb");
    char piece[2];
    EXPECT_EQ(FindIniLine(file, "=", piece, 2), 1);
    EXPECT_EQ(FindIniLine(file, "=", piece, 1), 0);
    std::fclose(file);
}

// A key counts where its name first appears in a line, parsed from the line's start:
// a comment naming it parses nothing and hides the real line. A missing key or file
// leaves the value as it was.
TEST_F(IniRead, FirstTimeAndDriverSettingsFromTheFirstLineNamingThem) {
    // clang-format off
    const struct { const char* text; int opened, firstTime; const char* dll; int32_t checkGdi; } cases[] = {
        {"; FirstTime=1 marks a first run\nFirstTime=1\n", 1, 0, "", 1},
        {"; DLL=glide.dll\nDLL=glide.dll\nCheckGDI=0\n", 1, 0, "", 0},
        {"CheckGDI=0x0\r\n\r\nDLL=my lib.dll\r\nFirstTime=2\r\n", 1, 2, "my", 0},
        {"DLL=glide3x.dll\n", 1, 0, "glide3x.dll", 1},
        {nullptr, 0, 0, "", 1}};
    // clang-format on
    for (const auto& c : cases) {
        std::remove(kIniPath);
        if (c.text) WriteBytes(kIniPath, c.text);
        driverDllName[0] = '\0';
        checkGdi = 1;
        EXPECT_EQ(ReadIniDriverValues(driverDllName, checkGdi), c.opened) << (c.text ? c.text : "no file");
        EXPECT_STREQ(driverDllName, c.dll);
        EXPECT_EQ(checkGdi, c.checkGdi);
        EXPECT_EQ(IniFirstTime(), c.firstTime);
    }
    WriteBytes(kIniPath, "DLL=" + std::string(200, 'x') + "\n");  // bounded by the line piece
    ReadIniDriverValues(driverDllName, checkGdi);
    EXPECT_EQ(std::string(driverDllName), std::string(75, 'x'));
}

// Keys behind a zero byte or beyond the first 4096 bytes are neither read nor written.
TEST_F(IniRead, BinaryGarbageChangesNothing) {
    std::string junk;
    for (int i = 0; i < 9000; ++i) junk += char((i * 37) & 0xFF);
    junk += std::string("\0Language=2\0DLL=x\0CheckGDI=0\n", 29);
    WriteBytes(kIniPath, junk);
    config.languageIndex = 1;
    config.languageIndex = IniLanguageOfAllLines(config.languageIndex);
    ReadIniLanguageFirst(config.languageIndex);
    ReadIniDriverValues(driverDllName, checkGdi);
    WriteIniLanguage(3);
    EXPECT_EQ(config.languageIndex, 1);
    EXPECT_STREQ(driverDllName, "");
    EXPECT_EQ(checkGdi, 1);
    EXPECT_EQ(ReadBytes(kIniPath), junk);
}

using IniWrite = SettingsTest;

TEST_F(IniWrite, ReplacesOnlyTheByteAfterTheFirstLanguageKey) {
    // clang-format off
    const struct { const char* before; int language; const char* after; } cases[] = {
        {"FirstTime=1\r\nLanguage=0\r\n", 3, "FirstTime=1\r\nLanguage=3\r\n"},
        {"Language=12\nLanguage=1\n", 2, "Language=22\nLanguage=1\n"},
        {"Language=\r\nDLL=x\r\n", 2, "Language=2\nDLL=x\r\n"},
        {"Language=4\n", 6, "Language=0\n"},
        {"FirstTime=1\nLanguage=\n", 4, "FirstTime=1\nLanguage=4"},  // only the final line break goes
        {"Language=\nDLL=glide.dll\n", 3, "Language=\nDLL=glide.dll\n"},  // the next line stays whole
        {"FirstTime=1\nLanguage=", 2, "FirstTime=1\nLanguage="},  // no byte to replace
        {"no key here\n", 1, "no key here\n"},
    };
    // clang-format on
    for (const auto& c : cases) {
        WriteBytes(kIniPath, c.before);
        WriteIniLanguage(c.language);
        EXPECT_EQ(ReadBytes(kIniPath), c.after) << c.before;
    }
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
