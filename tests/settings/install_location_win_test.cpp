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

TEST_F(InstalledGame, FolderGetsOneBackslashWithOrWithoutOne) {
    InstallBothPrograms();
    for (const std::string& stored : {folder_, folder_ + "\\"}) {
        StoreFolder(HKEY_CURRENT_USER, stored);
        ASSERT_TRUE(FindInstalledGame()) << stored;
        EXPECT_EQ(std::string(installDir), folder_ + "\\");
        EXPECT_EQ(std::string(gameExePath), folder_ + "\\bin\\zorb.exe");
        EXPECT_EQ(std::string(rootExePath), folder_ + "\\Quimbo.exe");
    }
}

TEST_F(InstalledGame, NotInstalledWithoutBothProgramsOrUnderTheMachineOrWithATooLongFolder) {
    InstallBothPrograms();
    StoreFolder(HKEY_LOCAL_MACHINE, folder_);
    EXPECT_FALSE(FindInstalledGame()) << "only the current user's entry counts";
    DeleteFileA("Quimbo.exe");
    StoreFolder(HKEY_CURRENT_USER, folder_);
    EXPECT_FALSE(FindInstalledGame()) << "no launcher copy";
    InstallBothPrograms();
    DeleteFileA("bin\\zorb.exe");
    EXPECT_FALSE(FindInstalledGame()) << "no game";
    InstallBothPrograms();
    StoreValue(HKEY_CURRENT_USER, "C:\\" + std::string(kMaxPath - 3, 'x'));
    EXPECT_FALSE(FindInstalledGame()) << "fills the buffer unterminated";
    StoreFolder(HKEY_CURRENT_USER, "C:\\" + std::string(250, 'x'));
    EXPECT_FALSE(FindInstalledGame()) << "no room for the program";
    ExpectPathsUntouched();
}

// The drives come from tests/settings/cdrom-drives.sh, a CTest fixture.
class CdRomDrives : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* root : {"m:\\", "n:\\", "o:\\", "q:\\", "r:\\"})
            ASSERT_EQ(GetDriveTypeA(root), UINT(DRIVE_CDROM)) << root << ": run through ctest (cdrom-drives.sh)";
        GetCurrentDirectoryA(sizeof previous_, previous_);
    }
    void TearDown() override { SetCurrentDirectoryA(previous_); }

    char previous_[kMaxPath] = "";
};

TEST_F(CdRomDrives, FirstDriveLabelledVeskaInAnyCase) {
    // m: has no medium, n: another label, o: "VESKA2", p: is a hard disk labelled VESKA, q: says "veska", r: "VESKA".
    const UINT callersMode = SEM_NOGPFAULTERRORBOX | SEM_NOOPENFILEERRORBOX;
    const UINT original = SetErrorMode(callersMode);
    EXPECT_EQ(FindCdDrive(), 'q');
    EXPECT_EQ(SetErrorMode(original), callersMode);
}

TEST_F(CdRomDrives, CurrentDirectoryDecides) {
    char temp[kMaxPath];
    GetTempPathA(sizeof temp, temp);
    const struct { const char* directory; bool onCd; } cases[] = {
        {"r:\\Datas", true}, {"Q:\\", true}, {"P:\\", false}, {temp, false}};
    for (const auto& c : cases) {
        ASSERT_TRUE(SetCurrentDirectoryA(c.directory)) << c.directory;
        EXPECT_EQ(IsRunningFromCd(), c.onCd) << c.directory;
    }
}

}  // namespace
