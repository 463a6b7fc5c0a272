#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "launcher/launcher_state.h"
#include "settings/install_location.h"
#include "settings/path_text.h"
#include "tests/support/temp_dir.h"

namespace {

constexpr const char* kKey = "Software\\Velbrook\\Quimbo Marivel Demo";

void StoreValue(HKEY root, const std::string& bytes) {
    HKEY key;
    ASSERT_EQ(RegCreateKeyExA(root, kKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr), ERROR_SUCCESS);
    ASSERT_EQ(RegSetValueExA(key, "installation path", 0, REG_SZ, reinterpret_cast<const BYTE*>(bytes.data()),
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
        folder_ = dir_.path().string();
        CopyText(installDir, "marked dir\\");
        CopyText(gameExePath, "marked game");
        CopyText(rootExePath, "marked root");
    }
    void TearDown() override { RemoveEntries(); }

    static void RemoveEntries() {
        RegDeleteKeyA(HKEY_CURRENT_USER, kKey);
        RegDeleteKeyA(HKEY_LOCAL_MACHINE, kKey);
    }
    static void InstallBothPrograms() {
        WriteBytes("bin/zorb.exe", "game");
        WriteBytes("Quimbo.exe", "launcher");
    }
    static void ExpectPathsUntouched() {
        EXPECT_STREQ(installDir, "marked dir\\");
        EXPECT_STREQ(gameExePath, "marked game");
        EXPECT_STREQ(rootExePath, "marked root");
    }

    ScopedInstallDir dir_;
    std::string folder_;  // no trailing backslash
};

TEST_F(InstalledGame, FolderGetsOneBackslash) {
    InstallBothPrograms();
    StoreFolder(HKEY_CURRENT_USER, folder_);
    ASSERT_TRUE(FindInstalledGame());
    EXPECT_EQ(std::string(installDir), folder_ + "\\");
    EXPECT_EQ(std::string(gameExePath), folder_ + "\\bin\\zorb.exe");
    EXPECT_EQ(std::string(rootExePath), folder_ + "\\Quimbo.exe");

    StoreFolder(HKEY_CURRENT_USER, folder_ + "\\");
    ASSERT_TRUE(FindInstalledGame());
    EXPECT_EQ(std::string(gameExePath), folder_ + "\\bin\\zorb.exe");
}

TEST_F(InstalledGame, BothProgramsMustOpen) {
    StoreFolder(HKEY_CURRENT_USER, folder_);
    WriteBytes("bin/zorb.exe", "game");
    EXPECT_FALSE(FindInstalledGame());
    ExpectPathsUntouched();

    CreateDirectoryA("Quimbo.exe", nullptr);  // present, but no file to open
    EXPECT_FALSE(FindInstalledGame());
    RemoveDirectoryA("Quimbo.exe");

    WriteBytes("Quimbo.exe", "launcher");
    DeleteFileA("bin\\zorb.exe");
    EXPECT_FALSE(FindInstalledGame());
    ExpectPathsUntouched();
}

TEST_F(InstalledGame, LaterFailureKeepsTheFoundPaths) {
    InstallBothPrograms();
    StoreFolder(HKEY_CURRENT_USER, folder_);
    ASSERT_TRUE(FindInstalledGame());
    DeleteFileA("Quimbo.exe");
    EXPECT_FALSE(FindInstalledGame());
    EXPECT_EQ(std::string(rootExePath), folder_ + "\\Quimbo.exe");
    RegDeleteKeyA(HKEY_CURRENT_USER, kKey);
    EXPECT_FALSE(FindInstalledGame());
    EXPECT_EQ(std::string(gameExePath), folder_ + "\\bin\\zorb.exe");
}

TEST_F(InstalledGame, OnlyTheCurrentUsersEntryCounts) {
    InstallBothPrograms();
    EXPECT_FALSE(FindInstalledGame());
    StoreFolder(HKEY_LOCAL_MACHINE, folder_);
    EXPECT_FALSE(FindInstalledGame());
    ExpectPathsUntouched();
}

TEST_F(InstalledGame, ValuesTooLongForThePathsAreNotInstalled) {
    InstallBothPrograms();
    const std::string tooLongForTheBuffer = "C:\\" + std::string(300, 'x');
    const std::string fillsTheBufferUnterminated = "C:\\" + std::string(kMaxPath - 3, 'x');
    const std::string leavesNoRoomForTheProgram = "C:\\" + std::string(250, 'x');
    StoreFolder(HKEY_CURRENT_USER, tooLongForTheBuffer);
    EXPECT_FALSE(FindInstalledGame());
    StoreValue(HKEY_CURRENT_USER, fillsTheBufferUnterminated);
    EXPECT_FALSE(FindInstalledGame());
    StoreFolder(HKEY_CURRENT_USER, leavesNoRoomForTheProgram);
    EXPECT_FALSE(FindInstalledGame());
    ExpectPathsUntouched();
}

// The drives come from tests/settings/cdrom-drives.sh, a CTest fixture.
class CdRomDrives : public ::testing::Test {
protected:
    void SetUp() override {
        const struct { const char* root; UINT type; } layout[] = {
            {"m:\\", DRIVE_CDROM}, {"n:\\", DRIVE_CDROM}, {"o:\\", DRIVE_CDROM},
            {"p:\\", DRIVE_FIXED}, {"q:\\", DRIVE_CDROM}, {"r:\\", DRIVE_CDROM},
        };
        for (const auto& drive : layout)
            ASSERT_EQ(GetDriveTypeA(drive.root), drive.type) << drive.root << ": run through ctest (cdrom-drives.sh)";
        GetCurrentDirectoryA(sizeof previous_, previous_);
    }
    void TearDown() override { SetCurrentDirectoryA(previous_); }

    char previous_[kMaxPath] = "";
};

TEST_F(CdRomDrives, FirstDriveLabelledVeskaInAnyCase) {
    // m: has no medium, n: and o: other labels, p: is no CD-ROM, q: says "veska", r: "VESKA".
    const UINT callersMode = SEM_NOGPFAULTERRORBOX | SEM_NOOPENFILEERRORBOX;
    const UINT original = SetErrorMode(callersMode);
    EXPECT_EQ(FindCdDrive(), 'q');
    EXPECT_EQ(SetErrorMode(original), callersMode);
}

TEST_F(CdRomDrives, CurrentDirectoryDecides) {
    for (const char* directory : {"R:\\", "r:\\Datas", "Q:\\"}) {
        ASSERT_TRUE(SetCurrentDirectoryA(directory)) << directory;
        EXPECT_TRUE(IsRunningFromCd()) << directory;
    }
    char temp[kMaxPath];
    GetTempPathA(sizeof temp, temp);
    for (const char* directory : {"P:\\", static_cast<const char*>(temp), "\\\\quimbo-server\\share"}) {
        ASSERT_TRUE(SetCurrentDirectoryA(directory)) << directory;
        EXPECT_FALSE(IsRunningFromCd()) << directory;
    }
}

}  // namespace
