#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "launcher/game_launch.h"

namespace {

class GameLaunchTest : public ::testing::Test {
protected:
    void SetUp() override {
        config.fullScreen = 1;
        config.screenWidth = 512;
        config.screenHeight = 384;
        config.renderer = RenderSoftware24;
    }

    bool Prepare() { return PrepareGameLaunch({config, driverDllName, devices, installDir, gameExePath}, launch); }
    std::string CommandLine() {
        EXPECT_TRUE(Prepare());
        saved = launch.saveConfigFirst;
        return launch.commandLine;
    }
    GameConfig config{};
    DisplayDeviceTable devices{};
    char driverDllName[kDriverDllNameSize] = "";
    char installDir[kMaxPath] = "C:\\Games\\Quimbo\\";
    char gameExePath[kMaxPath] = "C:\\Games\\Quimbo\\bin\\zorb.exe";
    GameLaunch launch{};
    bool saved = false;
};

TEST_F(GameLaunchTest, DefaultRecordGivesTheSwitchesInOrder) {
    EXPECT_EQ(CommandLine(), " /b00 /full /x512 /y384 /soft24");
    EXPECT_STREQ(launch.workingDirectory, "C:\\Games\\Quimbo\\bin");
    EXPECT_STREQ(launch.applicationPath, "C:\\Games\\Quimbo\\bin\\zorb.exe");
    EXPECT_TRUE(saved);
    EXPECT_FALSE(launch.passes3dfxLibrary);
}

TEST_F(GameLaunchTest, ThreeDfxDeviceInTheFirstTwoSlotsAddsItsLibraryAndRecordsState2) {
    config.renderer = RenderOpenGL;
    devices[2].is3dfxDriver = 1;
    EXPECT_EQ(CommandLine(), " /b00 /full /x512 /y384 /DLL:kx3dfx.dll /opengl");
    EXPECT_TRUE(saved);
    EXPECT_TRUE(launch.passes3dfxLibrary);

    devices[2].is3dfxDriver = 0;
    devices[3].is3dfxDriver = 1;  // only the first two devices count
    EXPECT_EQ(CommandLine(), " /b00 /full /x512 /y384 /opengl");
    EXPECT_FALSE(launch.passes3dfxLibrary);
}

TEST_F(GameLaunchTest, IniLibraryWinsAndIsNotSaved) {
    devices[1].is3dfxDriver = 1;
    std::strcpy(driverDllName, "glide3x.dll");
    config.fullScreen = 0;
    config.renderer = RenderSoftware8;
    EXPECT_EQ(CommandLine(), " /b00 /win /x512 /y384 /DLL:glide3x.dll /soft8");
    EXPECT_FALSE(saved);
    EXPECT_FALSE(launch.passes3dfxLibrary);

    std::strcpy(driverDllName, "0none");  // a leading zero means no library
    EXPECT_EQ(CommandLine(), " /b00 /win /x512 /y384 /DLL:kx3dfx.dll /soft8");
    EXPECT_TRUE(saved);
}

TEST_F(GameLaunchTest, OddStoredValuesPassAsTheyAre) {
    config.screenWidth = -640;
    config.screenHeight = 2147483647;
    config.renderer = 7;
    EXPECT_EQ(CommandLine(), " /b00 /full /x-640 /y2147483647");
}

TEST_F(GameLaunchTest, OverlongInstallFolderFailsCleanly) {
    const std::string folder = "C:\\" + std::string(253, 'd') + "\\";  // 257 characters: no room for "bin"
    std::strcpy(installDir, folder.c_str());
    devices[1].is3dfxDriver = 1;
    launch.passes3dfxLibrary = false;
    EXPECT_FALSE(Prepare());  // "bin" does not fit
    EXPECT_FALSE(launch.passes3dfxLibrary);
}

}  // namespace
