// WinMain lives in an object of its own that the program links directly: the C
// runtime asks for it only after the static libraries have been searched.
#include <windows.h>

#include "framework/win_app.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) { return AfxWinMain(instance); }
