// The stand-in game in an installation folder of its own, driven as the launcher starts it.
#include <gtest/gtest.h>

#include <filesystem>

#include "state/game_config.h"
#include "tests/support/key_value_report.h"
#include "tests/support/temp_dir.h"
#include "tools/ui_driver/ui_driver.h"
#include "tools/zorb/game_window.h"

namespace {

constexpr const char* kReport = "bin/zorb-report.txt";

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

TEST_F(ZorbTest, ReportsWhatItReceivedAndClosesOnWmClose) {
    GameConfig config = {};
    config.configVersion = kConfigVersion;
    config.renderer = RenderOpenGL;
    config.screenHeight = -480;
    config.gameReal1 = 0.1;
    for (int i = 0; i < 18; ++i) config.keyCodes[i] = uint8_t(200 + i);
    config.tail[6] = 255;
    WriteBytes("bin/config.pc", std::string(reinterpret_cast<const char*>(&config), sizeof config));

    const std::string switches = " /b00 /win /x640 /y-480 /DLL:kx3dfx.dll /opengl";
    HWND window = StartGame(switches);
    ASSERT_NE(window, nullptr);
    const std::string text = ReadBytes(kReport);
    auto report = ParseKeyValueReport(text);
    EXPECT_EQ(report["commandLine"], switches);
    EXPECT_EQ(report["workingDirectory"], (install.path() / "bin").string());
    EXPECT_EQ(report["config"], "ok");
    EXPECT_EQ(report["renderer"], "2");
    EXPECT_EQ(report["screenHeight"], "-480");
    EXPECT_EQ(report["gameReal1"], "0.1");
    EXPECT_EQ(report["keyCodes"], "200 201 202 203 204 205 206 207 208 209 210 211 212 213 214 215 216 217");
    EXPECT_EQ(report["tail"], "0 0 0 0 0 0 255");
    EXPECT_EQ(ui::Text(ui::Control(window, kReportTextId)), text) << "the window shows what the file holds";

    ASSERT_TRUE(ui::PostClose(window));
    EXPECT_EQ(game.WaitForExit(), std::optional<DWORD>(0));
}

TEST_F(ZorbTest, ReportsAMissingOrWrongSizedRecordAndClosesOnEsc) {
    for (int size : {-1, 0, int(sizeof(GameConfig)) + 1}) {  // -1: no record at all
        if (size >= 0) WriteBytes("bin/config.pc", std::string(size_t(size), '\x10'));
        HWND window = StartGame(" /b00\t/x1");
        ASSERT_NE(window, nullptr);
        auto report = ParseKeyValueReport(ReadBytes(kReport));
        EXPECT_EQ(report["commandLine"], " /b00\\x09/x1") << "control characters cannot break a line";
        EXPECT_EQ(report["config"], size < 0 ? "missing" : "wrong size " + std::to_string(size));
        EXPECT_EQ(report.count("renderer"), 0u);
        ASSERT_TRUE(ui::PressKey(window, VK_ESCAPE));
        EXPECT_EQ(game.WaitForExit(), std::optional<DWORD>(0));
    }
}

}  // namespace
