#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "launcher/game_launch.h"

namespace {

struct Inputs {
    GameConfig config{};
    DisplayDeviceTable devices{};
    char driverDllName[kDriverDllNameSize] = "";
    char installDir[kMaxPath] = "C:\\Games\\Quimbo\\";
    bool Prepare(GameLaunch& launch) const {
        const char* exe = "C:\\Games\\Quimbo\\bin\\zorb.exe";
        return PrepareGameLaunch({config, driverDllName, devices, installDir, exe}, launch);
    }
};

TEST(GameLaunch, SwitchesLibraryAndSavingFollowTheSettings) {
    const struct {
        int32_t renderer;
        int slot3dfx;  // where a 3dfx board sits; slot 0 is never filled
        const char* iniLibrary;
        std::string switches;  // after " /b00 /full /x512 /y384"
        bool saved, passes3dfx;
    } cases[] = {
        {RenderSoftware24, 0, "", " /soft24", true, false},
        {RenderOpenGL, 2, "", " /DLL:kx3dfx.dll /opengl", true, true},
        {RenderOpenGL, 3, "", " /opengl", true, false},  // only the first two slots count
        {RenderSoftware8, 1, "glide3x.dll", " /DLL:glide3x.dll /soft8", false, false},
        {RenderSoftware8, 1, "0none", " /DLL:kx3dfx.dll /soft8", true, true},  // a leading 0 names no library
        {7, 0, "", "", true, false},                                           // a renderer the game would not know
    };
    for (const auto& c : cases) {
        Inputs in;
        in.config.renderer = c.renderer, in.config.fullScreen = 1, in.config.screenWidth = 512;
        in.config.screenHeight = 384;
        in.devices[c.slot3dfx].is3dfxDriver = 1;
        std::strcpy(in.driverDllName, c.iniLibrary);
        GameLaunch launch{};
        ASSERT_TRUE(in.Prepare(launch)) << c.switches;
        EXPECT_EQ(launch.commandLine, " /b00 /full /x512 /y384" + c.switches);
        EXPECT_EQ(launch.saveConfigFirst, c.saved) << c.switches;
        EXPECT_EQ(launch.passes3dfxLibrary, c.passes3dfx) << c.switches;
        EXPECT_STREQ(launch.workingDirectory, "C:\\Games\\Quimbo\\bin");
        EXPECT_STREQ(launch.applicationPath, "C:\\Games\\Quimbo\\bin\\zorb.exe");
    }
}

TEST(GameLaunch, WindowAndSizesPassAsStoredButAnOverlongFolderFails) {
    Inputs in;
    in.config.screenWidth = -640, in.config.screenHeight = INT32_MAX;
    in.devices[1].is3dfxDriver = 1;
    GameLaunch launch{};
    ASSERT_TRUE(in.Prepare(launch));
    EXPECT_STREQ(launch.commandLine, " /b00 /win /x-640 /y2147483647 /DLL:kx3dfx.dll /soft8");

    launch = {};
    std::strcpy(in.installDir, ("C:\\" + std::string(253, 'd') + "\\").c_str());  // no room for "bin"
    EXPECT_FALSE(in.Prepare(launch));
    EXPECT_FALSE(launch.passes3dfxLibrary);
}

}  // namespace
