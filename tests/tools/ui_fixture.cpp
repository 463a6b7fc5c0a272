// A small window with one control of each kind the UI driver works, for the driver's tests.
#include <windows.h>

#include <cstdio>
#include <initializer_list>

#include "tests/tools/ui_fixture.h"

namespace {

int lastAnswer = 0;

void AddControl(HWND parent, const char* className, const char* text, DWORD style, int id, int y) {
    HWND control = CreateWindowExA(0, className, text, WS_CHILD | style, 10, y, 260, className[0] == 'C' ? 120 : 24,
                                   parent, reinterpret_cast<HMENU>(INT_PTR(id)), GetModuleHandleA(nullptr), nullptr);
    SendMessageA(control, WM_SETFONT, WPARAM(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
}

void AddControls(HWND window) {
    AddControl(window, "COMBOBOX", "", WS_VISIBLE | CBS_DROPDOWNLIST, kLanguageCombo, 10);
    for (const char* item : {"English", "Spanish", "French"})
        SendDlgItemMessageA(window, kLanguageCombo, CB_ADDSTRING, 0, LPARAM(item));
    SendDlgItemMessageA(window, kLanguageCombo, CB_SETCURSEL, 1, 0);
    AddControl(window, "STATIC", "", WS_VISIBLE, kSelectionLabel, 40);
    AddControl(window, "BUTTON", "Sound", WS_VISIBLE | BS_AUTOCHECKBOX, kSoundCheck, 70);
    SendDlgItemMessageA(window, kSoundCheck, BM_SETCHECK, BST_CHECKED, 0);
    AddControl(window, "BUTTON", "Disabled", WS_VISIBLE | WS_DISABLED, kDisabledButton, 100);
    AddControl(window, "BUTTON", "Hidden", 0, kHiddenButton, 130);
    AddControl(window, "BUTTON", "Ask", WS_VISIBLE, kAskButton, 160);
    AddControl(window, "STATIC", "", WS_VISIBLE, kAnswerLabel, 190);
    char system[300];
    char lcAll[256] = "";
    GetEnvironmentVariableA("LC_ALL", lcAll, sizeof lcAll);
    std::snprintf(system, sizeof system, "%04X %s", GetSystemDefaultLangID(), lcAll);
    AddControl(window, "STATIC", system, WS_VISIBLE, kSystemLabel, 220);
}

void ShowSelection(HWND window) {
    char item[64] = "";
    LRESULT index = SendDlgItemMessageA(window, kLanguageCombo, CB_GETCURSEL, 0, 0);
    if (index >= 0 && SendDlgItemMessageA(window, kLanguageCombo, CB_GETLBTEXTLEN, index, 0) < LRESULT(sizeof item))
        SendDlgItemMessageA(window, kLanguageCombo, CB_GETLBTEXT, index, LPARAM(item));
    SetDlgItemTextA(window, kSelectionLabel, item);
}

void Ask(HWND window) {
    lastAnswer = MessageBoxA(window, "Keep the changes?", "Fixture question", MB_YESNOCANCEL);
    SetDlgItemTextA(window, kAnswerLabel, lastAnswer == IDYES ? "yes" : lastAnswer == IDNO ? "no" : "cancel");
}

LRESULT CALLBACK FixtureProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            AddControls(window);
            return 0;
        case WM_COMMAND:
            if (LOWORD(wParam) == kLanguageCombo && HIWORD(wParam) == CBN_SELCHANGE) ShowSelection(window);
            if (LOWORD(wParam) == kAskButton && HIWORD(wParam) == BN_CLICKED) Ask(window);
            return 0;
        case WM_DESTROY:
            PostQuitMessage(lastAnswer);
            return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = FixtureProc;
    windowClass.hInstance = instance;
    windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    windowClass.lpszClassName = kFixtureClass;
    if (!RegisterClassA(&windowClass)) return 100;
    HWND window = CreateWindowExA(0, kFixtureClass, kFixtureTitle, WS_OVERLAPPEDWINDOW, 40, 40, 300, 300, nullptr,
                                  nullptr, instance, nullptr);
    if (!window) return 101;
    ShowWindow(window, showCommand);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return int(message.wParam);
}
