// Finding windows and working controls of another process.
#include <cstring>

#include "harness/ui_driver/ui_driver.h"

namespace ui {
namespace {

constexpr UINT kSendTimeoutMs = 5000;

// SendMessage with a time limit, so a hung program fails the test instead of stopping it.
bool Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result = nullptr) {
    DWORD_PTR answer = 0;
    if (!SendMessageTimeoutA(window, message, wParam, lParam, SMTO_ABORTIFHUNG, kSendTimeoutMs, &answer)) return false;
    if (result) *result = LRESULT(answer);
    return true;
}

struct WindowSearch {
    DWORD processId;
    const char* className;
    const char* title;
    HWND except;
    HWND found;
    bool hiddenToo = false;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM lParam) {
    WindowSearch& search = *reinterpret_cast<WindowSearch*>(lParam);
    if (window == search.except || !(search.hiddenToo || IsWindowVisible(window))) return TRUE;
    if (search.processId && ProcessIdOf(window) != search.processId) return TRUE;
    // Class names are matched without regard to case, as the system matches them.
    if (search.className && _stricmp(ClassNameOf(window).c_str(), search.className) != 0) return TRUE;
    if (search.title) {
        char title[512] = "";
        GetWindowTextA(window, title, sizeof title);
        if (std::strcmp(title, search.title) != 0) return TRUE;
    }
    search.found = window;
    return FALSE;
}

HWND WaitForWindow(WindowSearch search, DWORD timeoutMs) {
    WaitUntil(
        [&search] {
            EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
            return search.found != nullptr;
        },
        timeoutMs);
    return search.found;
}

bool IsUsable(HWND control) {
    HWND topLevel = GetAncestor(control, GA_ROOT);
    return IsWindowVisible(control) && IsWindowEnabled(control) && topLevel && IsWindowEnabled(topLevel);
}

}  // namespace

HWND FindTopLevelWindow(DWORD processId, const char* className, const char* title) {
    return WaitForWindow({processId, className, title, nullptr, nullptr}, 0);
}

HWND WaitForTopLevelWindow(DWORD processId, const char* className, const char* title, DWORD timeoutMs) {
    return WaitForWindow({processId, className, title, nullptr, nullptr}, timeoutMs);
}

bool WaitForWindowGone(HWND window, DWORD timeoutMs) {
    return WaitUntil([window] { return !IsWindow(window); }, timeoutMs);
}

bool WaitUntilPainted(const Process& process, HWND window, DWORD timeoutMs) {
    // The sent message is handled only once the window's thread looks for messages
    // again, which it does after the paint that follows its showing.
    DWORD_PTR ignored;
    return process.WaitForInputIdle(timeoutMs) &&
           SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, timeoutMs, &ignored) != 0;
}

bool WindowOfClassExists(const char* className) { return FindWindowA(className, nullptr) != nullptr; }

HWND FindWindowShownOrNot(DWORD processId, const char* className) {
    return WaitForWindow({processId, className, nullptr, nullptr, nullptr, true}, 0);
}

DWORD ProcessIdOf(HWND window) {
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    return processId;
}

std::string ClassNameOf(HWND window) {
    char name[256] = "";
    GetClassNameA(window, name, sizeof name);
    return name;
}

HWND WaitForMessageBox(DWORD processId, HWND except, DWORD timeoutMs) {
    return WaitForWindow({processId, "#32770", nullptr, except, nullptr}, timeoutMs);
}

std::string MessageBoxText(HWND messageBox) { return Text(Control(messageBox, kMessageBoxTextId)); }

bool PressDialogButton(HWND dialog, int buttonId) {
    HWND button = Control(dialog, buttonId);
    return button && Click(button);
}

HWND Control(HWND parent, int id) { return GetDlgItem(parent, id); }

std::string Utf8(const std::wstring& text) {
    if (text.empty()) return std::string();
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), int(text.size()), nullptr, 0, nullptr, nullptr);
    std::string utf8(size_t(size > 0 ? size : 0), '\0');
    if (size > 0) WideCharToMultiByte(CP_UTF8, 0, text.data(), int(text.size()), &utf8[0], size, nullptr, nullptr);
    return utf8;
}

std::string Text(HWND window) {
    // In UTF-16, as the window holds it: the ANSI answer would be in this program's code
    // page, which lacks letters of some languages.
    DWORD_PTR length = 0, copied = 0;
    if (!window || !SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kSendTimeoutMs, &length) ||
        LRESULT(length) <= 0)
        return std::string();
    std::wstring text(size_t(length) + 1, L'\0');
    if (!SendMessageTimeoutW(window, WM_GETTEXT, WPARAM(text.size()), LPARAM(&text[0]), SMTO_ABORTIFHUNG,
                             kSendTimeoutMs, &copied))
        return std::string();
    text.resize(LRESULT(copied) > 0 && size_t(copied) < text.size() ? size_t(copied) : 0);
    return Utf8(text);
}

bool IsEnabled(HWND window) { return IsWindowEnabled(window) != FALSE; }

bool IsVisible(HWND window) { return IsWindowVisible(window) != FALSE; }

bool IsChecked(HWND button) {
    LRESULT state = 0;
    return Send(button, BM_GETCHECK, 0, 0, &state) && state == BST_CHECKED;
}

std::vector<std::string> ComboItems(HWND combo) {
    std::vector<std::string> items;
    LRESULT count = 0;
    if (!Send(combo, CB_GETCOUNT, 0, 0, &count)) return items;
    for (LRESULT i = 0; i < count; ++i) {
        // Wine hands CB_GETLBTEXT's ANSI form across processes unconverted (UTF-16
        // bytes), so ask in UTF-16 and convert here.
        DWORD_PTR length = 0, copied = 0;
        std::wstring item;
        if (SendMessageTimeoutW(combo, CB_GETLBTEXTLEN, WPARAM(i), 0, SMTO_ABORTIFHUNG, kSendTimeoutMs, &length) &&
            LRESULT(length) > 0) {
            item.assign(size_t(length) + 1, L'\0');
            if (!SendMessageTimeoutW(combo, CB_GETLBTEXT, WPARAM(i), LPARAM(&item[0]), SMTO_ABORTIFHUNG, kSendTimeoutMs,
                                     &copied) ||
                LRESULT(copied) < 0)
                copied = 0;
            item.resize(copied < item.size() ? size_t(copied) : 0);
        }
        items.push_back(Utf8(item));
    }
    return items;
}

int ComboSelection(HWND combo) {
    LRESULT selection = CB_ERR;
    return Send(combo, CB_GETCURSEL, 0, 0, &selection) ? int(selection) : CB_ERR;
}

bool SelectComboItem(HWND combo, int index) {
    LRESULT selected = CB_ERR;
    if (index < 0 || !IsUsable(combo) || !Send(combo, CB_SETCURSEL, WPARAM(index), 0, &selected) || selected != index)
        return false;
    // CB_SETCURSEL does not notify; the user's choice would.
    WPARAM command = MAKEWPARAM(GetDlgCtrlID(combo), CBN_SELCHANGE);
    return Send(GetParent(combo), WM_COMMAND, command, LPARAM(combo));
}

bool SelectComboItem(HWND combo, const std::string& itemText) {
    std::vector<std::string> items = ComboItems(combo);
    for (size_t i = 0; i < items.size(); ++i)
        if (items[i] == itemText) return SelectComboItem(combo, int(i));
    return false;
}

bool Click(HWND button) { return IsUsable(button) && PostMessageA(button, BM_CLICK, 0, 0); }

bool PressKey(HWND window, int virtualKey) {
    LPARAM keyData = 1 | LPARAM(MapVirtualKeyA(UINT(virtualKey), MAPVK_VK_TO_VSC)) << 16;
    return PostMessageA(window, WM_KEYDOWN, WPARAM(virtualKey), keyData) &&
           PostMessageA(window, WM_KEYUP, WPARAM(virtualKey), keyData | 0xC0000000L);
}

bool PostClose(HWND window) { return PostMessageA(window, WM_CLOSE, 0, 0) != FALSE; }

}  // namespace ui
