// Play starts the installed game with its switches and ends the launcher; without an
// installation the same button reads Install and starts the installer.
#include <windows.h>

#include <direct.h>

#include "launcher/game_launch.h"
#include "launcher/launcher_dlg_win.h"
#include "launcher/own_program_win.h"
#include "launcher/process_start_win.h"
#include "launcher/start_failure_win.h"
#include "launcher/state_steps_win.h"
#include "res/localized_text_win.h"
#include "settings/install_location_win.h"
#include "settings/path_text.h"
#include "state/launcher_state.h"

namespace {

constexpr const char* kInstaller = "d:\\setup.exe";  // at the root of the game's CD-ROM

// The drive the launcher runs from, while the disc it was started from is still in it:
// the launcher's own file still opens. 0 otherwise, as another disc there is not ours.
char OwnDiscDrive() {
    char directory[kMaxPath];
    char own[kMaxPath];
    if (!_getcwd(directory, sizeof directory) || directory[0] == '\0' || directory[1] != ':' || !OwnProgramPath(own))
        return 0;
    return FileOpensForReading(own) ? directory[0] : 0;
}

// The installer at the root of the launcher's own disc, which is the game's disc
// whatever its label (a copy, a mounted image); else on the disc labelled as ours.
bool FindInstaller(char (&installer)[kMaxPath]) {
    const QuietDriveErrors quiet;  // the launcher's own drive may have lost its disc
    if (const char drive = OwnDiscDrive()) {
        char own[] = "?:\\setup.exe";
        own[0] = drive;
        if (FileOpensForReading(own)) return CopyText(installer, own);
    }
    return LocateOnGameCd(kInstaller, installer) && FileOpensForReading(installer);
}

}  // namespace

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
    if (LaunchProgram(launch.applicationPath, launch.commandLine, launch.workingDirectory)) ::PostQuitMessage(0);
}

void CLauncherDlg::OnPlayDoubleClicked() { OnPlay(); }

void CLauncherDlg::StartInstaller() {
    // Through the shell, as an installer that needs more rights fails to start by
    // CreateProcess.
    char installer[kMaxPath];
    if (!FindInstaller(installer)) {
        MessageBox(LoadMessage(IDS_INSERT_CD, gameConfig.languageIndex),
                   LoadMessage(IDS_TITLE, gameConfig.languageIndex), MB_OK);
        return;
    }
    const char root[] = {installer[0], ':', '\\', '\0'};
    if (StartThroughShell(m_hWnd, installer, root)) ::PostQuitMessage(0);
}
