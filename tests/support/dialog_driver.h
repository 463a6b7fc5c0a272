#pragma once
// Drives a real modal dialog from inside its own modal loop: a thread timer waits
// until the dialog's window is visible and enabled, then hands it to the test's action
// once. An action may open another modal dialog and drive it the same way.
#include <windows.h>

#include <functional>

#include "framework/dialog.h"

using DialogAction = std::function<void(HWND dialogWindow)>;

// Runs dialog.DoModal() and returns its result. `act` reads what it needs and ends the
// dialog. A dialog never shown fails the test and is cancelled, so a fault cannot hang the run.
INT_PTR RunDialogAndAct(CDialog& dialog, DialogAction act);

// From inside an action: once `dialog`, run by the code under test, is visible and
// enabled (no modal dialog of its own over it), hands it to `act`.
void ActWhenShown(CDialog& dialog, DialogAction act);
