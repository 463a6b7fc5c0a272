// An installation folder named in letters that the Western code page 1252 (CTest runs
// these under C.UTF-8) lacks. The launcher and the game work with ANSI paths, so they
// reach it by its short (8.3) name.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "launcher/window_classes.h"
#include "res/resource.h"
#include "tests/e2e/launcher_world.h"

namespace fs = std::filesystem;

namespace {

// Installed start (Read me, Play), then the hand-over from the CD-ROM.
TEST(FolderOutsideCodePage, IsFoundStartedInAndHandedOverTo) {
    ASSERT_EQ(::GetACP(), 1252u) << "run through ctest (launcher_e2e_tests)";
    LauncherWorld world;
    world.Install(L"\x0418\x0433\x0440\x044B\\Quimbo");  // "Игры\Quimbo"
    const fs::path folder = world.InstallPath();
    fs::create_directories(folder / "help");
    std::ofstream(folder / "help" / "Readme.txt") << "read me";
    fs::copy_file(ui::PathBesideThisProgram("recorder.exe"), folder / "notepad.exe");
    ui::Process launcher;
    ASSERT_TRUE(launcher.Start((folder / "Quimbo.exe").wstring(), folder.wstring()));
    HWND dialog = LauncherWorld::WaitForDialog(launcher);
    ASSERT_NE(dialog, nullptr) << "ended as if not installed";
    EXPECT_EQ(ui::Text(ui::Control(dialog, IDC_PLAY)), "Play");
    std::error_code error;
    ui::Click(ui::Control(dialog, IDC_README));
    const std::string notepad = LauncherWorld::WaitForReport(folder / "notepad.exe.txt")["commandLine"];
    const std::string readme = notepad.substr(std::min(notepad.find('"') + 1, notepad.size()));
    EXPECT_TRUE(fs::equivalent(readme.substr(0, readme.size() - 1), folder / "help" / "Readme.txt", error)) << notepad;
    ui::Click(ui::Control(dialog, IDC_PLAY));
    auto game = world.WaitForGameReport();
    EXPECT_TRUE(launcher.WaitForExit().has_value());
    EXPECT_TRUE(fs::equivalent(game["workingDirectory"], folder / "bin", error)) << game["workingDirectory"];
    EXPECT_EQ(game["config"], "ok");  // the record the launcher saved
    ui::PostClose(ui::FindTopLevelWindow(0, kGameWindowClass));

    fs::copy_file(ui::PathBesideThisProgram("zorb.exe"), folder / "Quimbo.exe", fs::copy_options::overwrite_existing);
    world.PutLauncherOnCd();
    ui::Process cdLauncher = LauncherWorld::StartLauncher(LauncherWorld::CdLauncher(), LauncherWorld::kCdRoot);
    LauncherWorld::ExpectEndsUnseen(cdLauncher);
    const std::string copyFolder = LauncherWorld::WaitForReport(folder / "zorb-report.txt")["workingDirectory"];
    EXPECT_TRUE(fs::equivalent(copyFolder, folder, error)) << copyFolder;
    if (HWND copy = ui::WaitForTopLevelWindow(0, kGameWindowClass)) ui::PostClose(copy);
}

}  // namespace
