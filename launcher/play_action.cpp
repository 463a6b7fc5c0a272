// Play starts the installed game with its switches and ends the launcher; without an
// installation the same button reads Install and starts the installer.
#include <windows.h>
#include <direct.h>

#include "launcher/game_launch.h"
#include "launcher/launcher_dlg.h"
#include "launcher/process_start.h"
#include "launcher/state_steps.h"
#include "settings/path_text.h"
#include "state/launcher_state.h"

namespace {
constexpr const char* kInstallerName = "setup.exe";  // at the root of the game's CD-ROM
}

void CLauncherDlg::OnPlay() {
    if (gameExePath[0] == '\0') {
        StartInstaller();
        return;
    }
    GameLaunch launch;
    if (!PrepareGameLaunch({gameConfig, driverDllName, displayDevices, installDir, gameExePath}, launch)) {
        ShowStartFailure(ERROR_FILENAME_EXCED_RANGE);
        return;
    }
    if (launch.passes3dfxLibrary) gameConfig.hardware3DState = 2;
    if (launch.saveConfigFirst) SaveConfig();
    if (LaunchProgram(launch.applicationPath, launch.commandLine, launch.workingDirectory) == 1)
        ::PostQuitMessage(0);
}

void CLauncherDlg::OnPlayDoubleClicked() { OnPlay(); }

void CLauncherDlg::StartInstaller() {
    // The launcher shows Install only when it runs from the CD-ROM, whose root is the
    // current directory; the installer found there takes over, as the game does.
    char folder[kMaxPath];
    char installer[kMaxPath];
    char commandLine[kMaxPath] = "";
    if (!::_getcwd(folder, sizeof folder) || !JoinPath(installer, folder, kInstallerName)) {
        ShowStartFailure(ERROR_FILENAME_EXCED_RANGE);
        return;
    }
    if (LaunchProgram(installer, commandLine, folder) == 1) ::PostQuitMessage(0);
}
