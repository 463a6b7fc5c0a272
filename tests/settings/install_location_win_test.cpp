#include <windows.h>
#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>

#include "settings/install_location_win.h"
#include "settings/path_text.h"
#include "tests/support/temp_dir.h"

namespace {

void StoreValue(HKEY root, const std::string& bytes) {
    HKEY key;
    ASSERT_EQ(RegCreateKeyExA(root, QUIMBO_INSTALL_KEY, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    ASSERT_EQ(RegSetValueExA(key, QUIMBO_INSTALL_VALUE, 0, REG_SZ, reinterpret_cast<const BYTE*>(bytes.data()),
                             DWORD(bytes.size())),
              ERROR_SUCCESS);
    RegCloseKey(key);
}
void StoreFolder(HKEY root, const std::string& folder) { StoreValue(root, folder + '\0'); }

// Each test starts in an empty installation folder with no registry entry and with
// marked paths, so a test sees whether the paths were touched.
class InstalledGame : public ::testing::Test {
protected:
    void SetUp() override {
        RemoveEntries();
        m_folder = m_dir.path().string();
        CopyText(paths.installDir, "marked dir\\");
        CopyText(paths.gameExePath, "marked game");
        CopyText(paths.rootExePath, "marked root");
    }
    void TearDown() override { RemoveEntries(); }

    static void RemoveEntries() {
        RegDeleteKeyW(HKEY_CURRENT_USER, kInstallKey);
        RegDeleteKeyW(HKEY_LOCAL_MACHINE, kInstallKey);
    }
    static void InstallBothPrograms() {
        WriteBytes("bin/zorb.exe", "game");
        WriteBytes("Quimbo.exe", "launcher");
    }
    void ExpectPathsUntouched() const {
        EXPECT_STREQ(paths.installDir, "marked dir\\");
        EXPECT_STREQ(paths.gameExePath, "marked game");
        EXPECT_STREQ(paths.rootExePath, "marked root");
    }

    InstallPaths paths;
    ScopedInstallDir m_dir;
    std::string m_folder;  // no trailing backslash
};

TEST_F(InstalledGame, FolderGetsOneBackslashWithOrWithoutOne) {
    InstallBothPrograms();
    for (const std::string& stored : {m_folder, m_folder + "\\"}) {
        StoreFolder(HKEY_CURRENT_USER, stored);
        ASSERT_TRUE(LookUpInstalledGame(paths)) << stored;
        EXPECT_EQ(std::string(paths.installDir), m_folder + "\\");
        EXPECT_EQ(std::string(paths.gameExePath), m_folder + "\\bin\\zorb.exe");
        EXPECT_EQ(std::string(paths.rootExePath), m_folder + "\\Quimbo.exe");
        std::wstring unnamed;  // the code page names this folder: nothing to tell the player
        EXPECT_FALSE(FindUnnamedInstallFolder(unnamed));
    }
}

TEST_F(InstalledGame, NotInstalledWithoutBothProgramsOrUnderTheMachineOrWithATooLongFolder) {
    InstallBothPrograms();
    StoreFolder(HKEY_LOCAL_MACHINE, m_folder);
    EXPECT_FALSE(LookUpInstalledGame(paths)) << "only the current user's entry counts";
    DeleteFileA("Quimbo.exe");
    StoreFolder(HKEY_CURRENT_USER, m_folder);
    EXPECT_FALSE(LookUpInstalledGame(paths)) << "no launcher copy";
    InstallBothPrograms();
    DeleteFileA("bin\\zorb.exe");
    EXPECT_FALSE(LookUpInstalledGame(paths)) << "no game";
    InstallBothPrograms();
    StoreValue(HKEY_CURRENT_USER, "C:\\" + std::string(kMaxPath - 3, 'x'));
    EXPECT_FALSE(LookUpInstalledGame(paths)) << "fills the buffer unterminated";
    StoreFolder(HKEY_CURRENT_USER, "C:\\" + std::string(250, 'x'));
    EXPECT_FALSE(LookUpInstalledGame(paths)) << "no room for the program";
    ExpectPathsUntouched();
}

// The drives come from tests/settings/cdrom-drives.sh, a CTest fixture.
class CdRomDrives : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* root : {"m:\\", "n:\\", "o:\\", "q:\\", "r:\\"})
            ASSERT_EQ(GetDriveTypeA(root), UINT(DRIVE_CDROM)) << root << ": run through ctest (cdrom-drives.sh)";
        GetCurrentDirectoryA(sizeof m_previous, m_previous);
    }
    void TearDown() override { SetCurrentDirectoryA(m_previous); }

    char m_previous[kMaxPath] = "";
};

// The scan keeps a drive without a medium quiet on its own thread only: the process's
// error mode, on which another thread (the processor measurement) may rely, stays.
TEST_F(CdRomDrives, FirstDriveLabelledVeskaInAnyCase) {
    // m: has no medium, n: another label, o: "VESKA2", p: is a hard disk labelled VESKA, q: says "veska", r: "VESKA".
    const DWORD callersMode = SEM_NOGPFAULTERRORBOX | SEM_NOOPENFILEERRORBOX;
    DWORD original;
    SetThreadErrorMode(callersMode, &original);
    {
        const QuietDriveErrors quiet;
        EXPECT_EQ(GetThreadErrorMode(), callersMode | SEM_FAILCRITICALERRORS);
    }
    const UINT processMode = GetErrorMode();
    std::atomic<bool> scanning{true}, processModeChanged{false};
    std::thread watcher([&] {
        while (scanning) processModeChanged = processModeChanged || GetErrorMode() != processMode;
    });
    for (int scan = 0; scan < 5; ++scan) EXPECT_EQ(FindCdDrive(), 'q');
    scanning = false;
    watcher.join();
    EXPECT_FALSE(processModeChanged);
    EXPECT_EQ(GetThreadErrorMode(), callersMode);
    SetThreadErrorMode(original, nullptr);
}

TEST_F(CdRomDrives, CurrentDirectoryDecides) {
    char temp[kMaxPath];
    GetTempPathA(sizeof temp, temp);
    // clang-format off
    const struct { const char* directory; bool onCd; } cases[] = {
        {"r:\\Datas", true}, {"Q:\\", true}, {"P:\\", false}, {temp, false}, {"\\\\quimbo-server\\share", false}};
    // clang-format on
    for (const auto& c : cases) {
        ASSERT_TRUE(SetCurrentDirectoryA(c.directory)) << c.directory;
        EXPECT_EQ(IsRunningFromCd(), c.onCd) << c.directory;
    }
}

}  // namespace
