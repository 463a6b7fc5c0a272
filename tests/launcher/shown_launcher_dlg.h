#pragma once
// The real main dialog for the tests of its look and of its Settings button.
#include <cstring>

#include "launcher/launcher_dlg_win.h"
#include "state/launcher_state.h"

// The main dialog as shown after start-up, without detection and installation lookup.
struct ShownLauncherDlg : CLauncherDlg {
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        LocalizeControls();
        return TRUE;
    }
};

inline void Install() { std::strcpy(gameExePath, "C:\\Quimbo\\bin\\zorb.exe"); }  // Play, and Settings enabled
