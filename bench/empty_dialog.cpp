// The yardstick for the launcher's start-up: a Win32 program that shows one small
// dialog from a template in memory and does nothing else.
#include <windows.h>

#include <cstring>

namespace {

INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_CLOSE || (message == WM_COMMAND && LOWORD(wParam) == IDCANCEL)) {
        EndDialog(dialog, IDCANCEL);
        return TRUE;
    }
    return message == WM_INITDIALOG;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    // DLGTEMPLATE, no menu, default class, caption "Empty"; DS_SETFONT is left out.
    alignas(4) WORD buffer[64] = {};
    auto* dialog = reinterpret_cast<DLGTEMPLATE*>(buffer);
    dialog->style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | WS_VISIBLE;
    dialog->cx = 200;
    dialog->cy = 100;
    WORD* tail = reinterpret_cast<WORD*>(dialog + 1);
    *tail++ = 0;  // menu
    *tail++ = 0;  // class
    for (const char* c = "Empty";; ++c) {
        *tail++ = WORD(*c);
        if (!*c) break;
    }
    return int(DialogBoxIndirectParamA(instance, dialog, nullptr, DialogProc, 0));
}
