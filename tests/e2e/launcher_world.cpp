#include "tests/e2e/launcher_world.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

#include "harness/install_entry.h"

namespace fs = std::filesystem;

LauncherWorld::LauncherWorld() {
    RemoveInstallation();
    std::error_code ignored;
    for (const char* name : {"Quimbo.exe", "bin", "setup.exe"}) fs::remove_all(fs::path(kCdRoot) / name, ignored);
}

LauncherWorld::~LauncherWorld() { RemoveInstallation(); }

std::string LauncherWorld::LauncherProgram() { return ui::PathBesideThisProgram("Quimbo.exe"); }

std::string LauncherWorld::InstallFolder() const { return m_dir.path().string(); }

void LauncherWorld::Install(const std::wstring& subfolder) {
    m_installPath = subfolder.empty() ? m_dir.path() : m_dir.path() / subfolder;
    fs::create_directories(m_installPath / "bin");
    for (const char* name : {"Quimbo.exe", "QuimboTraced.exe"})
        fs::copy_file(ui::PathBesideThisProgram(name), m_installPath / name, fs::copy_options::overwrite_existing);
    fs::copy_file(ui::PathBesideThisProgram("zorb.exe"), m_installPath / "bin" / "zorb.exe",
                  fs::copy_options::overwrite_existing);
    EXPECT_TRUE(RegisterInstallation(m_installPath));
}

void LauncherWorld::RegisterSpelledOut(size_t length) {
    std::string folder = InstallFolder();
    if (length > folder.size()) folder += (length - folder.size()) % 2 ? "\\" : "\\\\";
    while (folder.size() < length) folder += ".\\";
    EXPECT_TRUE(RegisterInstallation(folder));
}

void LauncherWorld::WriteIni(const std::string& text) { WriteBytes("bin/zorb.ini", text); }

void LauncherWorld::WriteConfig(const GameConfig& config) {
    WriteBytes("bin/config.pc", std::string(reinterpret_cast<const char*>(&config), sizeof config));
}

std::string LauncherWorld::ReadConfigBytes() const {
    return FileExists("bin/config.pc") ? ReadBytes("bin/config.pc") : std::string();
}

GameConfig LauncherWorld::ReadConfig() const {
    GameConfig saved = {};
    const std::string bytes = ReadConfigBytes();
    EXPECT_EQ(bytes.size(), sizeof saved);
    if (bytes.size() == sizeof saved) std::memcpy(&saved, bytes.data(), sizeof saved);
    return saved;
}

std::string LauncherWorld::PlaceRecorder(const fs::path& path) {
    fs::create_directories(path.parent_path());
    fs::copy_file(ui::PathBesideThisProgram("recorder.exe"), path, fs::copy_options::overwrite_existing);
    fs::remove(RecordOf(path));
    return path.string();
}

void LauncherWorld::PutLauncherOnCd() {
    ASSERT_EQ(::GetDriveTypeA(kCdRoot), UINT(DRIVE_CDROM)) << "run through ctest: the e2e_drives fixture lays out V:";
    fs::copy_file(LauncherProgram(), fs::path(kCdRoot) / "Quimbo.exe", fs::copy_options::overwrite_existing);
}

std::string LauncherWorld::InstalledLauncher() const { return (m_dir.path() / "Quimbo.exe").string(); }

std::string LauncherWorld::CdLauncher() { return std::string(kCdRoot) + "Quimbo.exe"; }

ui::Process LauncherWorld::StartLauncher(const std::string& program, const std::string& workingDirectory,
                                         const std::vector<std::string>& environment) {
    ui::Process launcher;
    EXPECT_TRUE(launcher.Start(program, "", workingDirectory, environment))
        << program << ": error " << ::GetLastError();
    return launcher;
}

ui::Process LauncherWorld::StartInstalledTraced() const {
    return StartLauncher(InstallFolder() + "\\QuimboTraced.exe", InstallFolder(),
                         {"QUIMBO_TRACE=" + InstallFolder() + "\\trace.txt"});
}

TracedMoments LauncherWorld::ReadTrace() {
    return ReadTraceFile("trace.txt");  // the install folder is the current one
}

HWND LauncherWorld::WaitForDialog(ui::Process& launcher, const char* title) {
    HWND dialog = nullptr;
    ui::WaitUntil([&] {
        dialog = ui::FindTopLevelWindow(launcher.id(), "#32770", title);
        return dialog != nullptr || !launcher.IsRunning();
    });
    return dialog;
}

std::string LauncherWorld::AnswerBox(ui::Process& launcher, HWND dialog, int button) {
    const HWND box = ui::WaitForMessageBox(launcher.id(), dialog);
    if (!box) return "";
    const std::string seen = ui::Text(box) + "|" + ui::MessageBoxText(box);
    ui::PressDialogButton(box, button);
    EXPECT_TRUE(ui::WaitForWindowGone(box)) << seen;
    return seen;
}

void LauncherWorld::ExpectEndsUnseen(ui::Process& launcher) {
    bool shown = false;
    ui::WaitUntil([&] {
        shown = shown || ui::FindTopLevelWindow(launcher.id(), nullptr) != nullptr;
        return !launcher.IsRunning();
    });
    EXPECT_FALSE(launcher.IsRunning());
    EXPECT_FALSE(shown);
}

StandInReport LauncherWorld::WaitForGameReport() const {
    StandInReport report = ui::WaitForReport(m_installPath / "bin" / kGameReportName);
    // The game writes its report before it shows its window.
    ui::WaitForTopLevelWindow(0, kGameWindowClass);
    return report;
}

GameConfig DefaultRecord() {
    GameConfig config = {};
    config.configVersion = kConfigVersion;
    config.renderer = RenderSoftware24;
    config.languageIndex = 0;
    config.hardware3DState = 0;
    config.screenWidth = 512;
    config.screenHeight = 384;
    config.fullScreen = 1;
    return config;
}
