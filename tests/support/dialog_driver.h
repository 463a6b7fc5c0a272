#pragma once
// Drives a real modal dialog from inside its own modal loop: a thread timer waits
// until the dialog's window is visible, then hands it to the test's action once.
#include <windows.h>

#include <functional>

#include "framework/dialog.h"

// Runs dialog.DoModal() and returns its result. `act` reads what it needs and ends the
// dialog. A dialog never shown fails the test and is cancelled, so a fault cannot hang the run.
INT_PTR RunDialogAndAct(CDialog& dialog, const std::function<void(HWND dialogWindow)>& act);
