#include "harness/zorb/game_window.h"

#include <initializer_list>

namespace {

constexpr int kHeadingId = 1000;
constexpr int kNoteId = 1001;
constexpr int kPadding = 14;
constexpr int kHeadingHeight = 30;
constexpr int kNoteHeight = 22;

struct Fonts {
    HFONT heading = nullptr;
    HFONT text = nullptr;
    HFONT report = nullptr;
};
Fonts fonts;

HFONT MakeFont(int height, int weight, DWORD pitchAndFamily, const char* face) {
    return CreateFontA(-height, 0, 0, 0, weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY, pitchAndFamily, face);
}

void CreateFonts() {
    NONCLIENTMETRICSA metrics = {};
    metrics.cbSize = sizeof metrics;
    const char* face = "Tahoma";
    if (SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0))
        face = metrics.lfMessageFont.lfFaceName;
    fonts.heading = MakeFont(20, FW_BOLD, VARIABLE_PITCH | FF_SWISS, face);
    fonts.text = MakeFont(14, FW_NORMAL, VARIABLE_PITCH | FF_SWISS, face);
    fonts.report = MakeFont(15, FW_NORMAL, FIXED_PITCH | FF_MODERN, "Courier New");
}

void DeleteFonts() {
    for (HFONT font : {fonts.heading, fonts.text, fonts.report})
        if (font) DeleteObject(font);
    fonts = Fonts();
}

HWND AddChild(HWND parent, const char* className, const char* text, DWORD style, int id, HFONT font) {
    HWND child = CreateWindowExA(0, className, text, WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0, parent,
                                 reinterpret_cast<HMENU>(INT_PTR(id)), GetModuleHandleA(nullptr), nullptr);
    if (child && font) SendMessageA(child, WM_SETFONT, WPARAM(font), FALSE);
    return child;
}

void LayOut(HWND window, int width, int height) {
    int inner = width - 2 * kPadding;
    int y = kPadding;
    MoveWindow(GetDlgItem(window, kHeadingId), kPadding, y, inner, kHeadingHeight, TRUE);
    y += kHeadingHeight;
    MoveWindow(GetDlgItem(window, kNoteId), kPadding, y, inner, kNoteHeight, TRUE);
    y += kNoteHeight + kPadding / 2;
    MoveWindow(GetDlgItem(window, kReportTextId), kPadding, y, inner, height - y - kPadding, TRUE);
}

LRESULT CALLBACK GameWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_SIZE: LayOut(window, LOWORD(lParam), HIWORD(lParam)); return 0;
        case WM_SETFOCUS: SetFocus(GetDlgItem(window, kReportTextId)); return 0;
        case WM_CTLCOLORSTATIC:
            // A read-only edit asks as a static; give the report a page-like background.
            if (GetDlgCtrlID(HWND(lParam)) == kReportTextId) {
                SetBkColor(HDC(wParam), GetSysColor(COLOR_WINDOW));
                SetTextColor(HDC(wParam), GetSysColor(COLOR_WINDOWTEXT));
                return LRESULT(GetSysColorBrush(COLOR_WINDOW));
            }
            break;
        case WM_DESTROY: PostQuitMessage(0); return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

HWND CreateGameWindow(HINSTANCE instance, const std::string& report, const std::string& reportNote) {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = GameWindowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconA(nullptr, IDI_APPLICATION);
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    windowClass.lpszClassName = kGameWindowClass;
    if (!RegisterClassA(&windowClass)) return nullptr;

    const int width = 720, height = 610;
    int x = (GetSystemMetrics(SM_CXSCREEN) - width) / 2, y = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
    HWND window = CreateWindowExA(0, kGameWindowClass, "zorb - stand-in game", WS_OVERLAPPEDWINDOW, x < 0 ? 0 : x,
                                  y < 0 ? 0 : y, width, height, nullptr, nullptr, instance, nullptr);
    if (!window) return nullptr;
    CreateFonts();
    AddChild(window, "STATIC", "Stand-in game: what the launcher handed over", SS_LEFT | SS_NOPREFIX, kHeadingId,
             fonts.heading);
    AddChild(window, "STATIC", reportNote.c_str(), SS_LEFT | SS_NOPREFIX | SS_PATHELLIPSIS, kNoteId, fonts.text);
    AddChild(window, "EDIT", report.c_str(),
             WS_BORDER | WS_VSCROLL | WS_HSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL | ES_AUTOHSCROLL,
             kReportTextId, fonts.report);
    SendDlgItemMessageA(window, kReportTextId, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(6, 6));
    RECT client;
    GetClientRect(window, &client);
    LayOut(window, client.right, client.bottom);
    return window;
}

}  // namespace

bool RunGameWindow(HINSTANCE instance, int showCommand, const std::string& report, const std::string& reportNote) {
    HWND window = CreateGameWindow(instance, report, reportNote);
    if (!window) {
        DeleteFonts();
        return false;
    }
    ShowWindow(window, showCommand);
    UpdateWindow(window);

    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        // Esc closes the game whichever child has the focus.
        if (message.message == WM_KEYDOWN && message.wParam == VK_ESCAPE) {
            SendMessageA(window, WM_CLOSE, 0, 0);
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    DeleteFonts();
    return true;
}
