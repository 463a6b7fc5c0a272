// The launcher's start-up under Wine: where it stands decides between handing over,
// ending unseen, asking for the language and showing its dialog.
#include <gtest/gtest.h>

#include <filesystem>

#include "detect/cpu_speed_win.h"
#include "launcher/window_classes.h"
#include "res/resource.h"
#include "state/language.h"
#include "state/trace.h"
#include "tests/e2e/launcher_world.h"
#include "tests/support/key_value_report.h"

namespace {

namespace fs = std::filesystem;

class Startup : public ::testing::Test {
protected:
    LauncherWorld world;
};

// From the CD-ROM the launcher hands over and ends unseen once there is nothing to wait
// for: the copy has ended, or could not start, which it says. A copy that is its own file,
// or one on the CD-ROM, gets none: it starts as installed, in the installation's folder.
TEST_F(Startup, FromCdHandsOverOnlyToAnotherCopyAndEndsOnceThereIsNothingToWaitFor) {
    world.Install();
    world.PutLauncherOnCd();
    fs::copy_file(ui::PathBesideThisProgram("recorder.exe"), "Quimbo.exe", fs::copy_options::overwrite_existing);
    ui::Process cdLauncher = LauncherWorld::StartLauncher(LauncherWorld::CdLauncher(), LauncherWorld::kCdRoot);
    std::map<std::string, std::string> received;
    ASSERT_TRUE(ui::WaitUntil([&] {
        received = ParseKeyValueReport(ReadBytes("Quimbo.exe.txt"));
        return received.count("workingDirectory") != 0;
    }));
    const DWORD since = ::GetTickCount();
    LauncherWorld::ExpectEndsUnseen(cdLauncher);
    EXPECT_LT(::GetTickCount() - since, 2000u);
    EXPECT_EQ(received["workingDirectory"], world.InstallFolder());
    // An empty command line: Wine hands the child its quoted program path instead.
    const std::string commandLine = received["commandLine"];
    EXPECT_TRUE(commandLine.empty() || commandLine == "\"" + world.InstalledLauncher() + "\"") << commandLine;
    EXPECT_EQ(world.ReadConfigBytes(), "");  // the configuration was not touched

    WriteBytes("Quimbo.exe", "MZ but no program");
    cdLauncher = LauncherWorld::StartLauncher(LauncherWorld::CdLauncher(), LauncherWorld::kCdRoot);
    EXPECT_EQ(LauncherWorld::AnswerBox(cdLauncher, nullptr, IDOK).rfind("Quimbo - Marivel|", 0), 0u);
    EXPECT_TRUE(cdLauncher.WaitForExit(2000).has_value());

    fs::copy_file(LauncherWorld::LauncherProgram(), "Quimbo.exe", fs::copy_options::overwrite_existing);
    GameConfig french = DefaultRecord();
    french.languageIndex = French;
    world.WriteConfig(french);
    fs::copy(world.InstallFolder(), "V:\\Inst", fs::copy_options::recursive);
    for (const std::string& program : {world.InstalledLauncher(), LauncherWorld::CdLauncher()}) {
        if (program == LauncherWorld::CdLauncher()) LauncherWorld::Register("V:\\Inst");
        ui::Process launcher = LauncherWorld::StartLauncher(program, LauncherWorld::kCdRoot);
        HWND dialog = LauncherWorld::WaitForDialog(launcher);
        EXPECT_EQ(ui::Text(ui::Control(dialog, IDC_PLAY)), "Jouer") << program;
        ui::PostClose(dialog);
        EXPECT_TRUE(launcher.WaitForExit().has_value());
    }
    fs::remove_all("V:\\Inst");
}

// Inside its dialog's start-up a launcher waits for another's hand-over (here the test's)
// and still answers what is sent to the hidden dialog: a broadcast does not hang on it.
TEST_F(Startup, WaitingForTheHandOverLockAnswersSentMessages) {
    world.Install();
    world.PutLauncherOnCd();
    fs::copy_file(ui::PathBesideThisProgram("recorder.exe"), "Quimbo.exe", fs::copy_options::overwrite_existing);
    const HANDLE handOver = ::CreateMutexA(nullptr, TRUE, kHandOverName);
    const HANDLE turn = ::CreateMutexA(nullptr, FALSE, kStartupTurnName);
    ui::Process cdLauncher = LauncherWorld::StartLauncher(LauncherWorld::CdLauncher(), LauncherWorld::kCdRoot);
    HWND dialog = nullptr;
    EXPECT_TRUE(ui::WaitUntil([&] { return (dialog = ui::FindWindowShownOrNot(cdLauncher.id(), "#32770")); }));
    // It gives up its turn right before it waits for the lock.
    EXPECT_EQ(::WaitForSingleObject(turn, ui::kDefaultTimeoutMs), WAIT_OBJECT_0);
    DWORD_PTR answer;
    EXPECT_TRUE(::SendMessageTimeoutA(dialog, WM_NULL, 0, 0, SMTO_NORMAL, 1000, &answer));
    ::ReleaseMutex(turn);
    ::ReleaseMutex(handOver);
    EXPECT_EQ(LauncherWorld::WaitForReport("Quimbo.exe.txt")["workingDirectory"], world.InstallFolder());
    LauncherWorld::ExpectEndsUnseen(cdLauncher);
    ::CloseHandle(turn);
    ::CloseHandle(handOver);
}

TEST_F(Startup, NotInstalledFromTheHardDiskEndsSilently) {
    ui::Process launcher = LauncherWorld::StartLauncher(LauncherWorld::LauncherProgram(), world.InstallFolder());
    LauncherWorld::ExpectEndsUnseen(launcher);
    EXPECT_EQ(launcher.WaitForExit(), std::optional<DWORD>(0));
}

// The question comes before the marker, so launchers started meanwhile ask too. Cancel
// ends one; of two answered, the later finds the earlier's marker, ends and brings the
// earlier one's dialog to the front.
TEST_F(Startup, NotInstalledFromCdAsksForTheLanguageAndTheLaterAnswerStepsAside) {
    world.PutLauncherOnCd();
    ui::Process launchers[3];
    HWND questions[3];
    for (int i = 0; i < 3; ++i) {
        launchers[i] = LauncherWorld::StartLauncher(LauncherWorld::CdLauncher(), LauncherWorld::kCdRoot);
        questions[i] = LauncherWorld::WaitForDialog(launchers[i]);
        ASSERT_NE(questions[i], nullptr);
        EXPECT_NE(ui::Control(questions[i], IDC_LANGUAGE_COMBO), nullptr);
        // Its owner, the main dialog, is still hidden: the question has a taskbar button.
        EXPECT_TRUE(GetWindowLongPtrA(questions[i], GWL_EXSTYLE) & WS_EX_APPWINDOW);
    }
    ui::Click(ui::Control(questions[0], IDCANCEL));
    EXPECT_TRUE(launchers[0].WaitForExit().has_value());
    ui::Click(ui::Control(questions[1], IDOK));
    ASSERT_TRUE(ui::WaitForWindowGone(questions[1]));
    HWND dialog = LauncherWorld::WaitForDialog(launchers[1]);
    ASSERT_NE(dialog, nullptr);
    ui::Click(ui::Control(questions[2], IDOK));
    EXPECT_TRUE(launchers[2].WaitForExit().has_value());
    EXPECT_TRUE(ui::WaitUntil([&] { return ::GetForegroundWindow() == dialog; }, 3000));
    ui::PostClose(dialog);
    EXPECT_TRUE(launchers[1].WaitForExit().has_value());
    EXPECT_FALSE(ui::WindowOfClassExists(kMarkerWindowClass));
}

TEST_F(Startup, FirstTimeStartsFromDefaultsWithTheIniLanguageAndSavesThem) {
    world.Install();
    world.WriteIni("FirstTime=1\r\nLanguage=0\r\nLanguage=2\r\n");
    GameConfig stored = DefaultRecord();
    stored.screenWidth = 800;
    world.WriteConfig(stored);
    ui::Process launcher = world.StartInstalledTraced();
    HWND dialog = LauncherWorld::WaitForDialog(launcher);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(ui::Text(dialog), "Quimbo Marivel");
    EXPECT_EQ(ui::Text(ui::Control(dialog, IDC_PLAY)), "Start");

    const GameConfig saved = world.ReadConfig();
    EXPECT_EQ(saved.languageIndex, 2);
    EXPECT_EQ(saved.screenWidth, 512);  // defaults, not the stored 800
    // The defaults were made from the measured rate, not from one still unknown. Two
    // measurements differ by a tenth and more where other programs share the processors.
    const int direct = DetectCpuMHz();
    const TracedMoment* waited = FindMoment(LauncherWorld::ReadTrace(), kTraceMeasurementWaited);
    ASSERT_NE(waited, nullptr);
    EXPECT_NEAR(waited->value, direct, direct / 4);
    EXPECT_EQ(ReadBytes("bin/zorb.ini"), "FirstTime=1\r\nLanguage=2\r\nLanguage=2\r\n");
    ui::PostClose(dialog);
    EXPECT_TRUE(launcher.WaitForExit().has_value());
}

// The game decides even while another launcher runs too.
TEST_F(Startup, RunningGameComesToTheFrontAndNoLauncherWindowAppears) {
    world.Install();
    ui::Process other = world.StartInstalled();
    HWND otherDialog = LauncherWorld::WaitForDialog(other);
    ASSERT_NE(otherDialog, nullptr);
    ui::Process game;
    const std::string bin = world.InstallFolder() + "\\bin";
    ASSERT_TRUE(game.Start(bin + "\\zorb.exe", " /b00", bin));
    HWND gameWindow = ui::WaitForTopLevelWindow(game.id(), kGameWindowClass);
    ASSERT_NE(gameWindow, nullptr);
    ::SetForegroundWindow(::GetDesktopWindow());

    ui::Process launcher = world.StartInstalledTraced();
    LauncherWorld::ExpectEndsUnseen(launcher);
    // Under load Wine passes the activation on after the launcher has ended.
    EXPECT_TRUE(ui::WaitUntil([&] { return ::GetForegroundWindow() == gameWindow; }));
    // It ended without waiting for the processor measurement it had started.
    const TracedMoments trace = LauncherWorld::ReadTrace();
    EXPECT_NE(FindMoment(trace, kTraceInitInstance), nullptr);
    EXPECT_EQ(FindMoment(trace, kTraceMeasured), nullptr);
    ui::PostClose(gameWindow);
    game.WaitForExit();
    ui::PostClose(otherDialog);
    EXPECT_TRUE(other.WaitForExit().has_value());
}

BOOL CALLBACK CountIfVisibleOfClass(HWND window, LPARAM search) {
    auto& [name, count] = *reinterpret_cast<std::pair<const char*, int>*>(search);
    count += ::IsWindowVisible(window) && ui::ClassNameOf(window) == name;
    return TRUE;
}

int VisibleWindowsOfClass(const char* className) {
    std::pair<const char*, int> search{className, 0};
    ::EnumWindows(CountIfVisibleOfClass, reinterpret_cast<LPARAM>(&search));
    return search.second;
}

// Two launchers at any interval leave one main dialog. From the CD each hands over to
// the installed copy, there the stand-in game, whose windows count the copies started.
TEST_F(Startup, DoubleStartLeavesOneLauncher) {
    world.Install();
    world.WriteConfig(DefaultRecord());
    world.PutLauncherOnCd();
    // clang-format off
    const struct { bool fromCd; DWORD gapMs; } rows[] = {{false, 0}, {false, 100}, {false, 300}, {false, 700},
        {false, 1200}, {false, 2000}, {true, 0}, {true, 400}, {true, 1500}};
    // clang-format on
    for (const auto& row : rows) {
        if (row.fromCd && !row.gapMs)  // the first row from the CD
            fs::copy_file(ui::PathBesideThisProgram("zorb.exe"), "Quimbo.exe", fs::copy_options::overwrite_existing);
        ui::Process launchers[2];
        for (ui::Process& launcher : launchers) {
            if (&launcher != launchers) ::Sleep(row.gapMs);
            launcher = row.fromCd ? LauncherWorld::StartLauncher(LauncherWorld::CdLauncher(), LauncherWorld::kCdRoot)
                                  : world.StartInstalled();
        }
        const char* shownClass = row.fromCd ? kGameWindowClass : "#32770";
        const int toEnd = row.fromCd ? 2 : 1;
        EXPECT_TRUE(ui::WaitUntil(
            [&] {
                return !launchers[0].IsRunning() + !launchers[1].IsRunning() == toEnd &&
                       VisibleWindowsOfClass(shownClass) > 0;
            },
            8000))
            << row.fromCd << " " << row.gapMs;
        EXPECT_FALSE(ui::WaitUntil([&] { return VisibleWindowsOfClass(shownClass) > 1; }, 1000)) << row.gapMs;
        ui::WaitUntil([&] {
            if (HWND window = ui::FindTopLevelWindow(0, shownClass)) ui::PostClose(window);
            return VisibleWindowsOfClass(shownClass) == 0;
        });
        for (ui::Process& launcher : launchers) EXPECT_TRUE(launcher.WaitForExit().has_value());
    }
}

TEST_F(Startup, SecondLauncherEndsAndANewOneStartsAfterQuitOrClose) {
    world.Install();
    ui::Process first = world.StartInstalled();
    HWND dialog = LauncherWorld::WaitForDialog(first);
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(ui::WindowOfClassExists(kMarkerWindowClass));

    // With a window of ours in front, the second launcher brings the first one's dialog
    // forward, not only its hidden marker.
    HWND inFront = ::CreateWindowExA(0, "STATIC", "in front", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 200, nullptr,
                                     nullptr, nullptr, nullptr);
    ::SetForegroundWindow(inFront);
    ui::Process second = world.StartInstalled();
    LauncherWorld::ExpectEndsUnseen(second);
    EXPECT_TRUE(ui::WaitUntil([&] { return ::GetForegroundWindow() == dialog; }, 3000));
    ::DestroyWindow(inFront);
    EXPECT_TRUE(first.IsRunning());

    ui::PostClose(dialog);  // the close box
    EXPECT_TRUE(first.WaitForExit().has_value());
    EXPECT_FALSE(ui::WindowOfClassExists(kMarkerWindowClass));

    world.WriteIni("FirstTime=1\nLanguage=9\n");  // a language outside the six shows English
    ui::Process third = world.StartInstalled();
    dialog = LauncherWorld::WaitForDialog(third);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(ui::Text(ui::Control(dialog, IDC_QUIT)), "Quit");
    ui::Click(ui::Control(dialog, IDC_QUIT));
    EXPECT_TRUE(third.WaitForExit().has_value());
    EXPECT_FALSE(ui::WindowOfClassExists(kMarkerWindowClass));
}

}  // namespace
