#pragma once
// Drives a real modal dialog from inside its own modal loop: a thread timer waits
// until the dialog's window is visible, then hands it to the test's action once.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "framework/dialog.h"

// Runs dialog.DoModal() and returns its result. `act` reads what it needs and ends
// the dialog (a posted command, a key, a click). A dialog that is never shown fails
// the test and is cancelled after a generous bound, so a fault cannot hang the run.
INT_PTR RunDialogAndAct(CDialog& dialog, const std::function<void(HWND dialogWindow)>& act);

// Window texts and list contents, read as the user sees them.
std::string WindowText(HWND window);
std::string ItemText(HWND window, int id);
std::vector<std::string> ComboItems(HWND combo);

// Posts a key press to the focused control, as the keyboard would send it.
void PressKey(UINT virtualKey);
