#pragma once
// The world a launcher test runs in: an installation folder of its own (the launcher
// at the top, the stand-in game in bin\), the registry entry naming it, and the
// game's CD-ROM in drive V: (laid out by the e2e_drives fixture, labelled VESKA).
// Everything is removed again at the end of the test.
#include <windows.h>

#include <filesystem>
#include <string>
#include <vector>

#include "harness/trace_file.h"
#include "harness/ui_driver/ui_driver.h"
#include "launcher/window_classes.h"
#include "state/game_config.h"
#include "tests/support/temp_dir.h"

class LauncherWorld {
public:
    LauncherWorld();
    ~LauncherWorld();
    LauncherWorld(const LauncherWorld&) = delete;
    LauncherWorld& operator=(const LauncherWorld&) = delete;

    // The installation: Quimbo.exe and bin\zorb.exe, registered under HKCU; in the test's
    // folder or in a subfolder of it made here. `{}`, not L"": MinGW GCC 12 reading <string>
    // from the precompiled header falsely warns that copying L"" reads past its end.
    void Install(const std::wstring& subfolder = {});
    // Registers the test's folder again, spelled out to `length` characters, closing
    // backslash included, with ".\" steps and where needed a doubled backslash.
    void RegisterSpelledOut(size_t length);
    const std::filesystem::path& InstallPath() const { return m_installPath; }
    std::string InstallFolder() const;  // no trailing backslash
    void WriteIni(const std::string& text);
    void WriteConfig(const GameConfig& config);
    std::string ReadConfigBytes() const;  // "" when there is no bin\config.pc
    GameConfig ReadConfig() const;        // all zero, and a failed check, unless 128 bytes

    // A recorder (harness/recorder.cpp) copied to `path`, without a record yet.
    static std::string PlaceRecorder(const std::filesystem::path& path);

    // The CD-ROM in V:, with the launcher at its root.
    static constexpr const char* kCdRoot = "V:\\";
    void PutLauncherOnCd();

    static std::string LauncherProgram();   // the launcher beside the test program
    std::string InstalledLauncher() const;  // Quimbo.exe in the install folder
    static std::string CdLauncher();        // Quimbo.exe at the CD-ROM's root

    // Starts the launcher with an empty command line, as Explorer would.
    static ui::Process StartLauncher(const std::string& program, const std::string& workingDirectory,
                                     const std::vector<std::string>& environment = {});

    // The traced build of the launcher, installed beside the shipped one, started in
    // the installation folder and writing its start-up trace there; the moments of that
    // trace.
    ui::Process StartInstalledTraced() const;
    static TracedMoments ReadTrace();

    // The installed launcher started in the installation folder.
    ui::Process StartInstalled(const std::vector<std::string>& environment = {}) const {
        return StartLauncher(InstalledLauncher(), InstallFolder(), environment);
    }
    // The visible dialog of a launcher process, or nullptr once it has ended.
    static HWND WaitForDialog(ui::Process& launcher, const char* title = nullptr);
    // Waits for the launcher's message box over `dialog`, presses `button` and returns
    // "<caption>|<text>"; "" when no box came.
    static std::string AnswerBox(ui::Process& launcher, HWND dialog, int button);
    // The launcher ended without ever showing a window.
    static void ExpectEndsUnseen(ui::Process& launcher);

    // What the stand-in game received, once its report exists beside it.
    StandInReport WaitForGameReport() const;

private:
    ScopedInstallDir m_dir;
    std::filesystem::path m_installPath = m_dir.path();
};

// A record as the defaults of this machine would give it, for tests to change.
GameConfig DefaultRecord();
