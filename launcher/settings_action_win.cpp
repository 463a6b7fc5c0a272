// Settings: the video options dialog, then save or take the changes back.
#include "dialogs/video_options_dlg_win.h"
#include "launcher/launcher_dlg_win.h"
#include "launcher/state_steps_win.h"
#include "state/launcher_state.h"

void CLauncherDlg::OnSettings() {
    videoOptionsDlg.SetData(gameConfig, displayDevices);
    const INT_PTR result = videoOptionsDlg.DoModal();
    if (result == IDOK) {
        gameConfig = videoOptionsDlg.Config();
        SaveConfig();
        LocalizeControls();  // the language may have changed
    } else if (result == IDCANCEL) {
        // The dialog changed only its copy. The record is read back all the same, so that
        // memory holds what the game will read: a file changed or spoilt meanwhile is
        // taken, or replaced by the defaults, now rather than at the next start.
        LoadConfig();
    }
    // Any other result: the dialog could not be built, and nothing changed.
}
