// Play under Wine: the stand-in game receives the switches in the install's bin folder;
// not installed, the same button (Install) starts the installer, a recorder here.
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
    // Not installed, from the CD-ROM: past the language question to the main dialog.
    HWND StartFromCd(ui::Process& launcher, const char* folder, const char* language = nullptr,
                     const std::string& program = LauncherWorld::CdLauncher()) {
        world.PutLauncherOnCd();
        launcher = LauncherWorld::StartLauncher(program, folder);
        HWND question = LauncherWorld::WaitForDialog(launcher);
        if (!question) return nullptr;
        if (language) ui::SelectComboItem(ui::Control(question, IDC_LANGUAGE_COMBO), language);
        ui::Click(ui::Control(question, IDOK));
        ui::WaitForWindowGone(question);
        return LauncherWorld::WaitForDialog(launcher);
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
    const std::string notepad = ui::WaitForReport(RecordOf(folder / "notepad.exe"))["commandLine"];
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
    const std::string copyFolder = ui::WaitForReport(folder / kGameReportName)["workingDirectory"];
    EXPECT_TRUE(fs::equivalent(copyFolder, folder)) << copyFolder;
    CloseGame();
}

// Not installed, from a folder of a game disc labelled otherwise (a burnt copy in W:) as a
// shortcut may start it, in the language picked: Install with Settings disabled, the
// marker there, nothing written to the disc. With no installer anywhere the localised
// request for the CD-ROM; then the one on the labelled disc; the disc's own comes first,
// but only while it is in: another disc in its drive (the launcher's file gone) is not ours.
TEST_F(Play, InstallStartsSetupFromItsOwnDiscElseTheLabelledOneElseAsksForTheCd) {
    ui::Process launcher;
    fs::create_directories("W:\\Datas");
    std::error_code ignored;  // a launcher left running still holds the folder
    fs::remove("W:\\setup.exe", ignored);
    HWND dialog = StartFromCd(launcher, "W:\\Datas", "Español");
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(ui::Text(ui::Control(dialog, IDC_PLAY)), "Instalar");
    EXPECT_FALSE(ui::IsEnabled(ui::Control(dialog, IDC_SETTINGS)));
    EXPECT_TRUE(ui::WindowOfClassExists(kMarkerWindowClass));
    ui::Click(ui::Control(dialog, IDC_PLAY));
    EXPECT_EQ(LauncherWorld::AnswerBox(launcher, dialog, IDOK), "Quimbo Marivel|Inserta del CD-ROM de Quimbo Marivel");
    EXPECT_TRUE(launcher.IsRunning());

    const std::string labelled = LauncherWorld::PlaceRecorder("V:\\setup.exe"), own = "W:\\setup.exe";
    for (const int round : {0, 1, 2}) {  // none on its own disc; one there; then another disc there
        if (round > 0) {
            fs::copy_file(LauncherWorld::LauncherProgram(), "W:\\Quimbo.exe", fs::copy_options::overwrite_existing);
            dialog = StartFromCd(launcher, "W:\\", nullptr, "W:\\Quimbo.exe");
            LauncherWorld::PlaceRecorder(own);
        }
        if (round == 2) fs::rename("W:\\Quimbo.exe", "W:\\Quimbo.old");
        fs::remove(RecordOf(labelled), ignored);
        ui::Click(ui::Control(dialog, IDC_PLAY));
        EXPECT_TRUE(launcher.WaitForExit().has_value());
        const std::string expected = round == 1 ? own : labelled;
        const std::string folder = ui::WaitForReport(RecordOf(expected))["workingDirectory"];
        EXPECT_TRUE(folder.size() == 3 && _strnicmp(folder.c_str(), expected.c_str(), 3) == 0) << folder;
        EXPECT_EQ(fs::exists(RecordOf(labelled)) + 2 * fs::exists(RecordOf(own)), round == 1 ? 2 : 1) << round;
    }
    EXPECT_FALSE(fs::exists("W:\\bin\\config.pc"));
    for (const char* left : {"W:\\setup.exe", "W:\\setup.exe.txt", "V:\\setup.exe.txt", "W:\\Quimbo.old", "W:\\Datas"})
        fs::remove_all(left, ignored);
}

}  // namespace
