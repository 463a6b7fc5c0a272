// Play starts the installed game with its switches and ends the launcher; without an
// installation the same button reads Install and starts the installer.
#include <windows.h>

#include "launcher/game_launch.h"
#include "launcher/launcher_dlg.h"
#include "launcher/process_start.h"
#include "launcher/state_steps.h"
#include "settings/install_location.h"
#include "state/launcher_state.h"

namespace {
constexpr const char* kInstaller = "d:\\setup.exe";  // at the root of the game's CD-ROM
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
    if (LaunchProgram(launch.applicationPath, launch.commandLine, launch.workingDirectory) == 1) ::PostQuitMessage(0);
}

void CLauncherDlg::OnPlayDoubleClicked() { OnPlay(); }

void CLauncherDlg::StartInstaller() {
    // The installer of the game's CD-ROM, wherever the launcher was started; through the
    // shell, as an installer that needs more rights fails to start by CreateProcess.
    char installer[kMaxPath];
    if (!OnGameCd(kInstaller, installer)) {
        ShowStartFailure(ERROR_PATH_NOT_FOUND);
        return;
    }
    const char root[] = {installer[0], ':', '\\', '\0'};
    if (OpenThroughShell(m_hWnd, installer, root) == 1) ::PostQuitMessage(0);
}
