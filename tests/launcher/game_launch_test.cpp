#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "launcher/game_launch.h"

namespace {

class GameLaunchTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::memset(&gameConfig, 0, sizeof gameConfig);
        std::memset(displayDevices, 0, sizeof displayDevices);
        gameConfig.fullScreen = 1;
        gameConfig.screenWidth = 512;
        gameConfig.screenHeight = 384;
        gameConfig.renderer = RenderSoftware24;
        gameConfig.hardware3DState = 1;
        driverDllName[0] = '\0';
        std::strcpy(installDir, "C:\\Games\\Quimbo\\");
        std::strcpy(gameExePath, "C:\\Games\\Quimbo\\bin\\zorb.exe");
    }

    std::string CommandLine() {
        EXPECT_TRUE(PrepareGameLaunch(launch));
        saved = launch.saveConfigFirst;
        return launch.commandLine;
    }
    GameLaunch launch;
    bool saved = false;
};

TEST_F(GameLaunchTest, DefaultRecordGivesTheSwitchesInOrder) {
    EXPECT_EQ(CommandLine(), " /b00 /full /x512 /y384 /soft24");
    EXPECT_STREQ(launch.workingDirectory, "C:\\Games\\Quimbo\\bin");
    EXPECT_STREQ(launch.applicationPath, "C:\\Games\\Quimbo\\bin\\zorb.exe");
    EXPECT_TRUE(saved);
    EXPECT_EQ(gameConfig.hardware3DState, 1);
}

TEST_F(GameLaunchTest, ThreeDfxDeviceInTheFirstTwoSlotsAddsItsLibraryAndRecordsState2) {
    gameConfig.renderer = RenderOpenGL;
    displayDevices[2].is3dfxDriver = 1;
    EXPECT_EQ(CommandLine(), " /b00 /full /x512 /y384 /DLL:kx3dfx.dll /opengl");
    EXPECT_TRUE(saved);
    EXPECT_EQ(gameConfig.hardware3DState, 2);

    displayDevices[2].is3dfxDriver = 0;
    displayDevices[3].is3dfxDriver = 1;  // only the first two devices count
    gameConfig.hardware3DState = 1;
    EXPECT_EQ(CommandLine(), " /b00 /full /x512 /y384 /opengl");
    EXPECT_EQ(gameConfig.hardware3DState, 1);
}

TEST_F(GameLaunchTest, IniLibraryWinsAndIsNotSaved) {
    displayDevices[1].is3dfxDriver = 1;
    std::strcpy(driverDllName, "glide3x.dll");
    gameConfig.fullScreen = 0;
    gameConfig.renderer = RenderSoftware8;
    EXPECT_EQ(CommandLine(), " /b00 /win /x512 /y384 /DLL:glide3x.dll /soft8");
    EXPECT_FALSE(saved);
    EXPECT_EQ(gameConfig.hardware3DState, 1);

    std::strcpy(driverDllName, "0none");  // a leading zero means no library
    EXPECT_EQ(CommandLine(), " /b00 /win /x512 /y384 /DLL:kx3dfx.dll /soft8");
    EXPECT_TRUE(saved);
}

TEST_F(GameLaunchTest, OddStoredValuesPassAsTheyAre) {
    gameConfig.screenWidth = -640;
    gameConfig.screenHeight = 2147483647;
    gameConfig.renderer = 7;
    EXPECT_EQ(CommandLine(), " /b00 /full /x-640 /y2147483647");
}

TEST_F(GameLaunchTest, OverlongInstallFolderFailsCleanly) {
    const std::string folder = "C:\\" + std::string(253, 'd') + "\\";  // 257 characters: no room for "bin"
    std::strcpy(installDir, folder.c_str());
    displayDevices[1].is3dfxDriver = 1;
    EXPECT_FALSE(PrepareGameLaunch(launch));  // "bin" does not fit
    EXPECT_EQ(gameConfig.hardware3DState, 1);
}

}  // namespace
