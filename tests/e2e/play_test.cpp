// Play under Wine: the stand-in game receives the switches in the install's bin folder.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>

#include "res/resource.h"
#include "tests/e2e/launcher_world.h"

namespace fs = std::filesystem;

namespace {

class Play : public ::testing::Test {
protected:
    // Starts the installed launcher, presses Play and returns what the game received.
    std::map<std::string, std::string> PlayAndReport() {
        ui::Process launcher = world.StartInstalled();
        HWND dialog = LauncherWorld::WaitForDialog(launcher);
        EXPECT_NE(dialog, nullptr);
        if (!dialog) return {};
        ui::Click(ui::Control(dialog, IDC_PLAY));
        auto report = world.WaitForGameReport();
        EXPECT_TRUE(launcher.WaitForExit().has_value()) << "the launcher ends after a successful start";
        CloseGame();
        return report;
    }
    static void CloseGame() {
        if (HWND game = ui::WaitForTopLevelWindow(0, kGameWindowClass)) {
            ui::PostClose(game);
            ui::WaitForWindowGone(game);
        }
    }
    LauncherWorld world;
};

TEST_F(Play, GameGetsTheSwitchesInItsBinFolderAndTheRecordIsSaved) {
    world.Install();
    GameConfig stored = DefaultRecord();
    stored.renderer = RenderSoftware8;
    stored.fullScreen = 0;
    stored.screenWidth = 640;
    stored.screenHeight = 480;
    stored.hardware3DState = 2;  // the last start passed the 3dfx library
    stored.gameReal4 = 7.5;
    world.WriteConfig(stored);

    auto report = PlayAndReport();
    EXPECT_EQ(report["commandLine"], " /b00 /win /x640 /y480 /soft8");
    EXPECT_EQ(report["workingDirectory"], world.InstallFolder() + "\\bin");
    EXPECT_EQ(report["config"], "ok");
    stored.hardware3DState = 1;  // read back as 1, and saved by Play
    const GameConfig saved = world.ReadConfig();
    EXPECT_EQ(std::memcmp(&saved, &stored, sizeof saved), 0);
}

TEST_F(Play, IniLibraryIsPassedAndNothingIsSaved) {
    world.Install();
    world.WriteIni("DLL=glide2x.dll extra\r\n");
    GameConfig stored = DefaultRecord();
    stored.hardware3DState = 2;
    world.WriteConfig(stored);
    auto report = PlayAndReport();
    EXPECT_EQ(report["commandLine"], " /b00 /full /x512 /y384 /DLL:glide2x.dll /soft24");
    EXPECT_EQ(world.ReadConfig().hardware3DState, 2);  // the file was not rewritten
}

TEST_F(Play, MissingGameShowsTheSystemsTextAndPlayWorksAgain) {
    world.Install();
    world.WriteConfig(DefaultRecord());
    ui::Process launcher = world.StartInstalled();
    HWND dialog = LauncherWorld::WaitForDialog(launcher);
    ASSERT_NE(dialog, nullptr);
    const std::filesystem::path game = world.InstallFolder() + "\\bin\\zorb.exe";
    const std::filesystem::path aside = world.InstallFolder() + "\\zorb.away";
    std::filesystem::rename(game, aside);

    ui::Click(ui::Control(dialog, IDC_PLAY));
    const std::string box = LauncherWorld::AnswerBox(launcher, dialog, IDOK);
    EXPECT_TRUE(box.rfind("Quimbo - Marivel|", 0) == 0 && box.find("not found") != std::string::npos) << box;
    EXPECT_TRUE(launcher.IsRunning());

    std::filesystem::rename(aside, game);
    ui::Click(ui::Control(dialog, IDC_PLAY));
    EXPECT_EQ(world.WaitForGameReport()["commandLine"], " /b00 /full /x512 /y384 /soft24");
    EXPECT_TRUE(launcher.WaitForExit().has_value());
    CloseGame();
}

// An installation folder named in letters that code page 1252 (CTest runs these under
// C.UTF-8) lacks: the launcher and the game work with ANSI paths, so they reach it by
// its short (8.3) name. Installed start (Read me, Play), then the hand-over from the CD.
TEST_F(Play, AndReadmeAndHandOverReachAFolderOutsideTheCodePage) {
    ASSERT_EQ(::GetACP(), 1252u) << "run through ctest (launcher_e2e_tests)";
    world.Install(L"\x0418\x0433\x0440\x044B\\Quimbo");  // "Игры\Quimbo"
    const fs::path folder = world.InstallPath();
    fs::create_directories(folder / "help");
    std::ofstream(folder / "help" / "Readme.txt") << "read me";
    fs::copy_file(ui::PathBesideThisProgram("recorder.exe"), folder / "notepad.exe");
    ui::Process launcher;
    ASSERT_TRUE(launcher.Start((folder / "Quimbo.exe").wstring(), folder.wstring()));
    HWND dialog = LauncherWorld::WaitForDialog(launcher);
    ASSERT_NE(dialog, nullptr) << "ended as if not installed";
    ui::Click(ui::Control(dialog, IDC_README));
    const std::string notepad = LauncherWorld::WaitForReport(folder / "notepad.exe.txt")["commandLine"];
    // notepad.exe "<path>"; a path that names no file throws, and the test fails.
    EXPECT_TRUE(fs::equivalent(notepad.substr(13, notepad.size() - 14), folder / "help" / "Readme.txt")) << notepad;
    ui::Click(ui::Control(dialog, IDC_PLAY));
    auto game = world.WaitForGameReport();
    EXPECT_TRUE(launcher.WaitForExit().has_value());
    EXPECT_TRUE(fs::equivalent(game["workingDirectory"], folder / "bin")) << game["workingDirectory"];
    EXPECT_EQ(game["config"], "ok");  // the record the launcher saved
    CloseGame();

    fs::copy_file(ui::PathBesideThisProgram("zorb.exe"), folder / "Quimbo.exe", fs::copy_options::overwrite_existing);
    world.PutLauncherOnCd();
    ui::Process cdLauncher = LauncherWorld::StartLauncher(LauncherWorld::CdLauncher(), LauncherWorld::kCdRoot);
    LauncherWorld::ExpectEndsUnseen(cdLauncher);
    const std::string copyFolder = LauncherWorld::WaitForReport(folder / "zorb-report.txt")["workingDirectory"];
    EXPECT_TRUE(fs::equivalent(copyFolder, folder)) << copyFolder;
    CloseGame();
}

}  // namespace
