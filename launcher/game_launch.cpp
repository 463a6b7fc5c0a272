#include "launcher/game_launch.h"

#include <string>

#include "settings/path_text.h"

namespace {

constexpr const char* k3dfxLibrary = "kx3dfx.dll";

const char* RendererSwitch(int32_t renderer) {
    switch (renderer) {
        case RenderSoftware8: return " /soft8";
        case RenderSoftware24: return " /soft24";
        case RenderOpenGL: return " /opengl";
        default: return "";  // a stored value the game would not know: no switch
    }
}

}  // namespace

bool PrepareGameLaunch(const GameLaunchInputs& inputs, GameLaunch& launch) {
    const GameConfig& c = inputs.config;
    const char* driverDllName = inputs.driverDllName;
    // A library named in the ini wins; "0" there means none.
    const bool iniLibrary = driverDllName[0] != '\0' && driverDllName[0] != '0';
    const bool pass3dfx = !iniLibrary && Has3dfxBoard(inputs.devices);

    std::string switches = " /b00";
    switches += c.fullScreen ? " /full" : " /win";
    switches += " /x" + std::to_string(c.screenWidth);
    switches += " /y" + std::to_string(c.screenHeight);
    if (iniLibrary) switches += std::string(" /DLL:") + driverDllName;
    if (pass3dfx) switches += std::string(" /DLL:") + k3dfxLibrary;
    switches += RendererSwitch(c.renderer);

    GameLaunch built{};
    if (!CopyText(built.commandLine, switches.c_str()) || !JoinText(built.workingDirectory, inputs.installDir, "bin") ||
        !CopyText(built.applicationPath, inputs.gameExePath))
        return false;
    built.saveConfigFirst = !iniLibrary;
    built.passes3dfxLibrary = pass3dfx;
    launch = built;
    return true;
}
