#pragma once
// The stand-in game's one window, of the class by which the launcher recognises a
// running game. It shows a heading, where the report went, and the report itself.
#include <windows.h>

#include <string>

#include "launcher/window_classes.h"

constexpr int kReportTextId = 1002;  // read-only edit control holding the report

// Shows the window and runs its message loop until the window is closed (close box,
// WM_CLOSE or Esc). Returns false when the window could not be created.
bool RunGameWindow(HINSTANCE instance, int showCommand, const std::string& report, const std::string& reportNote);
