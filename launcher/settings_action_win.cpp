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
        // LoadConfig throws the stored record away, and writes the defaults over it,
        // when the renderer in memory is the hardware one while no accelerator was
        // found. In memory is only what is about to be replaced: judge the file alone,
        // as at start-up, where the record is still all zero.
        gameConfig.renderer = RenderSoftware8;
        LoadConfig();
    }
    // Any other result: the dialog could not be built, and nothing changed.
}
