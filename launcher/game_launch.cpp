#include "launcher/game_launch.h"

#include <string>

#include "settings/path_text.h"

namespace {

constexpr const char* k3dfxLibrary = "kx3dfx.dll";

bool Has3dfxDevice() { return displayDevices[1].is3dfxDriver || displayDevices[2].is3dfxDriver; }

const char* RendererSwitch(int32_t renderer) {
    switch (renderer) {
        case RenderSoftware8: return " /soft8";
        case RenderSoftware24: return " /soft24";
        case RenderOpenGL: return " /opengl";
        default: return "";  // a stored value the game would not know: no switch
    }
}

}  // namespace

bool PrepareGameLaunch(GameLaunch& launch) {
    const GameConfig& c = gameConfig;
    // A library named in the ini wins; "0" there means none.
    const bool iniLibrary = driverDllName[0] != '\0' && driverDllName[0] != '0';
    const bool pass3dfx = !iniLibrary && Has3dfxDevice();

    std::string switches = " /b00";
    switches += c.fullScreen ? " /full" : " /win";
    switches += " /x" + std::to_string(c.screenWidth);
    switches += " /y" + std::to_string(c.screenHeight);
    if (iniLibrary) switches += std::string(" /DLL:") + driverDllName;
    if (pass3dfx) switches += std::string(" /DLL:") + k3dfxLibrary;
    switches += RendererSwitch(c.renderer);

    GameLaunch built{};
    if (!CopyText(built.commandLine, switches.c_str()) ||
        !JoinText(built.workingDirectory, installDir, "bin") ||
        !CopyText(built.applicationPath, gameExePath))
        return false;
    built.saveConfigFirst = !iniLibrary;
    launch = built;
    if (pass3dfx) gameConfig.hardware3DState = 2;
    return true;
}
