// Settings opens the video options dialog (not yet wired).
#include "launcher/launcher_dlg.h"

void CLauncherDlg::OnSettings() {}
