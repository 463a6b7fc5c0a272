// Starting programs for real under Wine, with the stand-in game as the started program.
#include <gtest/gtest.h>
#include <windows.h>
#include <tlhelp32.h>

#include <atomic>
#include <filesystem>
#include <functional>
#include <string>
#include <thread>

#include "launcher/process_start.h"
#include "launcher/state_steps.h"
#include "settings/install_location.h"
#include "state/launcher_state.h"
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

// What a message box of this process showed while `action` ran on this thread; a
// watcher thread reads it and answers OK.
struct SeenBox {
    bool shown = false;
    std::string text, caption;
    bool hasOwner = false, hasCancel = false;
};

SeenBox WatchForBox(const std::function<void()>& action) {
    std::atomic<bool> done{false};
    SeenBox seen;
    std::thread watcher([&] {
        HWND box = nullptr;
        ui::WaitUntil([&] { return done || (box = ui::FindTopLevelWindow(GetCurrentProcessId(), "#32770")); });
        if (!box) return;
        seen = {true, ui::MessageBoxText(box), ui::Text(box), GetWindow(box, GW_OWNER) != nullptr,
                GetDlgItem(box, IDCANCEL) != nullptr};
        ui::PressDialogButton(box, IDOK);
    });
    action();
    done = true;
    watcher.join();
    return seen;
}

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

// An installation folder whose game and launcher copy are both the stand-in game,
// which reports what it received beside itself.
class ProcessStart : public ::testing::Test {
protected:
    void SetUp() override {
        m_folder = m_install.path().string();
        std::filesystem::copy_file(ui::PathBesideThisProgram("zorb.exe"), m_install.path() / "bin" / "zorb.exe");
        std::filesystem::copy_file(ui::PathBesideThisProgram("zorb.exe"), m_install.path() / "Quimbo.exe");
        gameConfig.languageIndex = 0;
        RegDeleteKeyA(HKEY_CURRENT_USER, kKey);
    }
    void TearDown() override {
        RegDeleteKeyA(HKEY_CURRENT_USER, kKey);
        // A game started by a fault ends before its folder goes.
        ui::Process game;
        if (HWND window = ui::FindTopLevelWindow(0, kGameWindowClass); window && game.Open(ui::ProcessIdOf(window))) {
            ui::PostClose(window);
            game.WaitForExit();
        }
    }
    void RegisterInstallation() {
        HKEY key;
        ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr),
                  ERROR_SUCCESS);
        RegSetValueExA(key, "installation path", 0, REG_SZ, reinterpret_cast<const BYTE*>(m_folder.c_str()),
                       DWORD(m_folder.size() + 1));
        RegCloseKey(key);
    }

    ScopedInstallDir m_install;
    std::string m_folder;  // no trailing backslash
};

TEST_F(ProcessStart, MissingProgramShowsTheSystemTextUnderTheTitle) {
    const std::string missing = m_folder + "\\bin\\gone.exe";
    char commandLine[kMaxPath] = " /b00";
    const SeenBox box = WatchForBox([&] { EXPECT_EQ(LaunchProgram(missing.c_str(), commandLine, m_folder.c_str()), 0); });
    ASSERT_TRUE(box.shown);
    EXPECT_EQ(box.text, SystemText(ERROR_FILE_NOT_FOUND));
    EXPECT_EQ(box.caption, "Quimbo - Marivel");
    EXPECT_FALSE(box.hasOwner);
    EXPECT_FALSE(box.hasCancel);
}

// The entry is looked up again at hand-over: gone, nothing starts and nothing shows.
TEST_F(ProcessStart, InstalledCopyDoesNotStartOnceTheEntryIsGone) {
    RegisterInstallation();
    ASSERT_TRUE(FindInstalledGame());  // as at start-up
    RegDeleteKeyA(HKEY_CURRENT_USER, kKey);
    EXPECT_FALSE(WatchForBox([] { LaunchInstalledCopy(); }).shown);
    EXPECT_FALSE(IsProgramRunning("Quimbo.exe"));  // a created process would exist by now

}

}  // namespace
