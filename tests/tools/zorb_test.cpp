// The stand-in game in an installation folder of its own, driven as the launcher starts it.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <map>
#include <set>
#include <sstream>

#include "settings/game_config.h"
#include "tests/support/key_value_report.h"
#include "tests/support/temp_dir.h"
#include "tools/ui_driver/ui_driver.h"
#include "tools/zorb/game_window.h"

namespace {

constexpr const char* kReport = "bin/zorb-report.txt";

std::string RecordBytes(const GameConfig& config) {
    return std::string(reinterpret_cast<const char*>(&config), sizeof config);
}

// Distinct colours of a 24-bit bottom-up BMP; also checks its size against the window.
size_t ColoursOfScreenshot(const std::string& path, HWND window) {
    std::string bmp = ReadBytes(path);
    BITMAPFILEHEADER file;
    BITMAPINFOHEADER info;
    if (bmp.size() < sizeof file + sizeof info) return 0;
    std::memcpy(&file, bmp.data(), sizeof file);
    std::memcpy(&info, bmp.data() + sizeof file, sizeof info);
    RECT rect;
    GetWindowRect(window, &rect);
    EXPECT_EQ(file.bfType, 0x4D42);
    EXPECT_EQ(info.biWidth, rect.right - rect.left);
    EXPECT_EQ(info.biHeight, rect.bottom - rect.top);
    if (info.biBitCount != 24 || bmp.size() != file.bfOffBits + info.biSizeImage) return 0;
    std::set<uint32_t> colours;
    const size_t stride = (size_t(info.biWidth) * 3 + 3) & ~size_t(3);
    for (LONG y = 0; y < info.biHeight; ++y)
        for (LONG x = 0; x < info.biWidth; ++x) {
            const auto* pixel = reinterpret_cast<const uint8_t*>(bmp.data() + file.bfOffBits + y * stride + x * 3);
            colours.insert(pixel[0] | pixel[1] << 8 | pixel[2] << 16);
        }
    return colours.size();
}

class ZorbTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::copy_file(ui::PathBesideThisProgram("zorb.exe"), install.path() / "bin" / "zorb.exe");
    }
    // Starts the game as the launcher does: program path apart from the switches, bin as working directory.
    HWND StartGame(const std::string& commandLine) {
        std::string bin = (install.path() / "bin").string();
        EXPECT_TRUE(game.Start(bin + "\\zorb.exe", commandLine, bin));
        return ui::WaitForTopLevelWindow(game.id(), kGameWindowClass);
    }

    ScopedInstallDir install;  // declared first: the game ends before its folder goes
    ui::Process game;
};

TEST_F(ZorbTest, ReportsTheCommandLineWorkingDirectoryAndRecordItReceived) {
    GameConfig config = {};
    config.configVersion = kConfigVersion;
    config.renderer = RenderOpenGL;
    config.languageIndex = 3;
    config.screenWidth = 640;
    config.screenHeight = -480;
    config.gameReal1 = 0.1;
    for (int i = 0; i < 18; ++i) config.keyCodes[i] = uint8_t(200 + i);
    config.tail[6] = 255;
    WriteBytes("bin/config.pc", RecordBytes(config));

    const std::string switches = " /b00 /win /x640 /y-480 /DLL:kx3dfx.dll /opengl";
    HWND window = StartGame(switches);
    ASSERT_NE(window, nullptr);
    std::string text = ReadBytes(kReport);
    auto report = ParseKeyValueReport(text);
    EXPECT_EQ(report["commandLine"], switches);
    EXPECT_EQ(report["workingDirectory"], (install.path() / "bin").string());
    EXPECT_EQ(report["config"], "ok");
    EXPECT_EQ(report["configVersion"], "16");
    EXPECT_EQ(report["renderer"], "2");
    EXPECT_EQ(report["languageIndex"], "3");
    EXPECT_EQ(report["screenHeight"], "-480");
    EXPECT_EQ(report["gameReal1"], "0.1");
    EXPECT_EQ(report["gameReal2"], "0");
    EXPECT_EQ(report["keyCodes"], "200 201 202 203 204 205 206 207 208 209 210 211 212 213 214 215 216 217");
    EXPECT_EQ(report["tail"], "0 0 0 0 0 0 255");
    EXPECT_EQ(ui::Text(ui::Control(window, kReportTextId)), text) << "the window shows what the file holds";

    const std::string screenshot = ui::PathBesideThisProgram("zorb-window.bmp");
    EXPECT_TRUE(ui::WaitUntil([&] {
        return ui::SaveScreenshot(window, screenshot) && ColoursOfScreenshot(screenshot, window) > 3;
    })) << "a painted window has text, a page and a frame";

    ASSERT_TRUE(ui::PostClose(window));
    EXPECT_EQ(game.WaitForExit(), std::optional<DWORD>(0));
}

TEST_F(ZorbTest, EscClosesTheGameAndAMissingRecordIsReported) {
    HWND window = StartGame(" /b00\t/x1\n/y2");
    ASSERT_NE(window, nullptr);
    auto report = ParseKeyValueReport(ReadBytes(kReport));
    EXPECT_EQ(report["commandLine"], " /b00\\x09/x1\\x0A/y2") << "control characters cannot break a line";
    EXPECT_EQ(report["config"], "missing");
    EXPECT_EQ(report.count("configVersion"), 0u);

    ASSERT_TRUE(ui::PressKey(window, VK_ESCAPE));
    EXPECT_EQ(game.WaitForExit(), std::optional<DWORD>(0));
    EXPECT_FALSE(IsWindow(window));
}

TEST_F(ZorbTest, ARecordOfTheWrongSizeIsReportedCleanly) {
    for (size_t size : {size_t(0), sizeof(GameConfig) - 1, sizeof(GameConfig) + 1}) {
        WriteBytes("bin/config.pc", std::string(size, '\x10'));
        HWND window = StartGame(" /b00");
        ASSERT_NE(window, nullptr);
        auto report = ParseKeyValueReport(ReadBytes(kReport));
        EXPECT_EQ(report["config"], "wrong size " + std::to_string(size));
        EXPECT_EQ(report.count("renderer"), 0u);
        ASSERT_TRUE(ui::PostClose(window));
        EXPECT_EQ(game.WaitForExit(), std::optional<DWORD>(0));
    }
}

}  // namespace
