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
        // Cancel takes back what the dialog changed in memory (it writes the renderer
        // while it is open, and may have switched the language): the stored record
        // comes back.
        LoadConfig();
    }
    // Any other result: the dialog could not be built, and nothing changed.
}
