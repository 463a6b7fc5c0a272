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
    Inputs() { config.fullScreen = 1, config.screenWidth = 512, config.screenHeight = 384; }
    bool Prepare(GameLaunch& launch) const {
        const char* exe = "C:\\Games\\Quimbo\\bin\\zorb.exe";
        return PrepareGameLaunch({config, driverDllName, devices, installDir, exe}, launch);
    }
};

TEST(GameLaunch, SwitchesLibraryAndSavingFollowTheSettings) {
    const struct {
        const char* name;
        void (*setup)(Inputs&);
        const char* commandLine;
        bool saved, passes3dfx;
    } cases[] = {
        {"software", [](Inputs& in) { in.config.renderer = RenderSoftware24; }, " /b00 /full /x512 /y384 /soft24",
         true, false},
        {"3dfx board in slot 2",
         [](Inputs& in) { in.config.renderer = RenderOpenGL, in.devices[2].is3dfxDriver = 1; },
         " /b00 /full /x512 /y384 /DLL:kx3dfx.dll /opengl", true, true},
        {"3dfx board in slot 3 does not count",
         [](Inputs& in) { in.config.renderer = RenderOpenGL, in.devices[3].is3dfxDriver = 1; },
         " /b00 /full /x512 /y384 /opengl", true, false},
        {"ini library wins and the record is not saved",
         [](Inputs& in) {
             std::strcpy(in.driverDllName, "glide3x.dll");
             in.devices[1].is3dfxDriver = 1, in.config.fullScreen = 0, in.config.renderer = RenderSoftware8;
         },
         " /b00 /win /x512 /y384 /DLL:glide3x.dll /soft8", false, false},
        {"a leading zero names no library",
         [](Inputs& in) { std::strcpy(in.driverDllName, "0none"), in.devices[1].is3dfxDriver = 1; },
         " /b00 /full /x512 /y384 /DLL:kx3dfx.dll /soft8", true, true},
        {"odd stored values pass as they are",
         [](Inputs& in) { in.config.screenWidth = -640, in.config.screenHeight = INT32_MAX, in.config.renderer = 7; },
         " /b00 /full /x-640 /y2147483647", true, false},
    };
    for (const auto& c : cases) {
        Inputs inputs;
        c.setup(inputs);
        GameLaunch launch{};
        ASSERT_TRUE(inputs.Prepare(launch)) << c.name;
        EXPECT_EQ(std::string(launch.commandLine), c.commandLine) << c.name;
        EXPECT_EQ(launch.saveConfigFirst, c.saved) << c.name;
        EXPECT_EQ(launch.passes3dfxLibrary, c.passes3dfx) << c.name;
        EXPECT_STREQ(launch.workingDirectory, "C:\\Games\\Quimbo\\bin") << c.name;
        EXPECT_STREQ(launch.applicationPath, "C:\\Games\\Quimbo\\bin\\zorb.exe") << c.name;
    }
}

TEST(GameLaunch, OverlongInstallFolderFailsAndLeavesTheLaunchAlone) {
    Inputs inputs;
    std::strcpy(inputs.installDir, ("C:\\" + std::string(253, 'd') + "\\").c_str());  // no room for "bin"
    inputs.devices[1].is3dfxDriver = 1;
    GameLaunch launch{};
    EXPECT_FALSE(inputs.Prepare(launch));
    EXPECT_FALSE(launch.passes3dfxLibrary);
}

}  // namespace
