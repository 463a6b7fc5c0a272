// Starting programs for real under Wine, with the stand-in game as the started program.
#include <gtest/gtest.h>
#include <windows.h>
#include <tlhelp32.h>

#include <atomic>
#include <filesystem>
#include <string>
#include <thread>

#include "framework/localized_text.h"
#include "launcher/launcher_state.h"
#include "launcher/process_start.h"
#include "settings/install_location.h"
#include "tests/support/temp_dir.h"
#include "tools/ui_driver/ui_driver.h"

namespace {

constexpr const char* kKey = "Software\\Velbrook\\Quimbo Marivel Demo";
constexpr const char* kGameWindowClass = "VESKA Game Demo";

std::string SystemText(DWORD error) {
    char* text = nullptr;
    FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                   error, 0, reinterpret_cast<char*>(&text), 0, nullptr);
    std::string result = text ? text : "";
    LocalFree(text);
    return result;
}

// What a message box of this process showed, answered with OK by a watcher thread
// while the test's own thread is held inside the box's modal loop.
struct SeenBox {
    bool shown = false;
    std::string text;
    std::string caption;
    bool hasOwner = false;
    bool hasCancel = false;
};

class BoxWatcher {
public:
    explicit BoxWatcher(DWORD timeoutMs) : thread_([this, timeoutMs] { Watch(timeoutMs); }) {}
    ~BoxWatcher() { Stop(); }
    SeenBox Stop() {
        stop_ = true;
        if (thread_.joinable()) thread_.join();
        return seen_;
    }

private:
    void Watch(DWORD timeoutMs) {
        HWND box = nullptr;
        ui::WaitUntil([&] { return stop_ || (box = ui::FindTopLevelWindow(GetCurrentProcessId(), "#32770")); },
                      timeoutMs);
        if (!box) return;
        seen_.shown = true;
        seen_.text = ui::MessageBoxText(box);
        seen_.caption = ui::Text(box);
        seen_.hasOwner = GetWindow(box, GW_OWNER) != nullptr;
        seen_.hasCancel = GetDlgItem(box, IDCANCEL) != nullptr;
        ui::PressDialogButton(box, IDOK);
    }

    std::atomic<bool> stop_{false};
    SeenBox seen_;
    std::thread thread_;
};

bool IsProgramRunning(const char* exeName) {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof entry;
    bool found = false;
    for (BOOL more = Process32First(snapshot, &entry); more && !found; more = Process32Next(snapshot, &entry))
        found = lstrcmpiA(entry.szExeFile, exeName) == 0;
    CloseHandle(snapshot);
    return found;
}

std::string ReadReportItem(const std::string& report, const std::string& key) {
    const size_t start = report.find(key + "=");
    if (start == std::string::npos) return "(missing)";
    const size_t value = start + key.size() + 1;
    return report.substr(value, report.find_first_of("\r\n", value) - value);
}

// An installation folder whose game and launcher copy are both the stand-in game,
// which reports what it received beside itself.
class ProcessStart : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = install_.path().string();
        std::filesystem::copy_file(ui::PathBesideThisProgram("zorb.exe"), install_.path() / "bin" / "zorb.exe");
        std::filesystem::copy_file(ui::PathBesideThisProgram("zorb.exe"), install_.path() / "Quimbo.exe");
        gameConfig.languageIndex = 0;
        RegDeleteKeyA(HKEY_CURRENT_USER, kKey);
    }
    void TearDown() override {
        RegDeleteKeyA(HKEY_CURRENT_USER, kKey);
        // The started game ends before its folder goes.
        if (HWND window = ui::FindTopLevelWindow(0, kGameWindowClass)) {
            ui::Process game;
            if (game.Open(ui::ProcessIdOf(window))) {
                ui::PostClose(window);
                game.WaitForExit();
            }
        }
    }
    void RegisterInstallation() {
        HKEY key;
        ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr),
                  ERROR_SUCCESS);
        RegSetValueExA(key, "installation path", 0, REG_SZ, reinterpret_cast<const BYTE*>(folder_.c_str()),
                       DWORD(folder_.size() + 1));
        RegCloseKey(key);
    }
    // The stand-in game's report, once its window shows that it has written it.
    std::string WaitForReport(const std::string& reportPath) {
        EXPECT_NE(ui::WaitForTopLevelWindow(0, kGameWindowClass), nullptr);
        return ReadBytes(reportPath);
    }

    ScopedInstallDir install_;
    std::string folder_;  // no trailing backslash
};

TEST_F(ProcessStart, GameGetsItsCommandLineAndWorkingDirectory) {
    const std::string bin = folder_ + "\\bin";
    const std::string game = bin + "\\zorb.exe";
    char commandLine[kMaxPath] = " /b00 /win /x640 /y480 /soft24";
    BoxWatcher watcher(500);
    EXPECT_EQ(LaunchProgram(game.c_str(), commandLine, bin.c_str()), 1);
    const std::string report = WaitForReport("bin/zorb-report.txt");
    EXPECT_EQ(ReadReportItem(report, "commandLine"), " /b00 /win /x640 /y480 /soft24");
    EXPECT_EQ(ReadReportItem(report, "workingDirectory"), bin);
    EXPECT_FALSE(watcher.Stop().shown);
}

TEST_F(ProcessStart, MissingProgramShowsTheSystemTextUnderTheTitle) {
    const struct { int32_t languageIndex; std::string caption; } cases[] = {
        {0, "Quimbo - Marivel"},
        {1, std::string(LoadMessage(IDS_TITLE, 1))},
        {9, ""},
    };
    for (const auto& c : cases) {
        gameConfig.languageIndex = c.languageIndex;
        const std::string missing = folder_ + "\\bin\\gone.exe";
        char commandLine[kMaxPath] = " /b00";
        BoxWatcher watcher(ui::kDefaultTimeoutMs);
        EXPECT_EQ(LaunchProgram(missing.c_str(), commandLine, folder_.c_str()), 0);
        const SeenBox box = watcher.Stop();
        ASSERT_TRUE(box.shown) << c.languageIndex;
        EXPECT_EQ(box.text, SystemText(ERROR_FILE_NOT_FOUND)) << c.languageIndex;
        EXPECT_EQ(box.caption, c.caption) << c.languageIndex;
        EXPECT_FALSE(box.hasOwner);
        EXPECT_FALSE(box.hasCancel);
    }
    EXPECT_FALSE(std::string(LoadMessage(IDS_TITLE, 1)).empty());
}

TEST_F(ProcessStart, InstalledCopyStartsInTheInstallationFolder) {
    RegisterInstallation();
    BoxWatcher watcher(500);
    LaunchInstalledCopy();
    const std::string report = WaitForReport("zorb-report.txt");
    EXPECT_EQ(ReadReportItem(report, "workingDirectory"), folder_);
    EXPECT_EQ(std::string(rootExePath), folder_ + "\\Quimbo.exe");
    EXPECT_TRUE(IsProgramRunning("Quimbo.exe"));
    EXPECT_FALSE(watcher.Stop().shown);
}

TEST_F(ProcessStart, VanishedInstallationStartsAndShowsNothing) {
    RegisterInstallation();
    ASSERT_TRUE(FindInstalledGame());  // as at start-up
    RegDeleteKeyA(HKEY_CURRENT_USER, kKey);
    BoxWatcher watcher(ui::kDefaultTimeoutMs);
    LaunchInstalledCopy();
    EXPECT_FALSE(watcher.Stop().shown);
    EXPECT_FALSE(IsProgramRunning("Quimbo.exe"));  // a created process would exist by now
}

}  // namespace
