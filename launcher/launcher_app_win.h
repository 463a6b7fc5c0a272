#pragma once
// The application object: everything the launcher does happens inside InitInstance.
#include "framework/win_app.h"

class CLauncherApp : public CWinApp {
public:
    // Measures, guards against a running game or launcher, reads the ini's driver
    // settings and runs the main dialog. Always FALSE: the process then ends.
    BOOL InitInstance() override;
};
