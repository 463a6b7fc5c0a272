#pragma once
// A small driver for black-box tests of our Windows programs under Wine: start a program,
// wait for its windows, read and work its controls, answer its message boxes, save
// screenshots. Plain functions over HWNDs, plus one class for a started process.
//
// Conventions:
// - Every wait polls in short steps until the state is reached or the timeout passes;
//   it returns nullptr, false or an empty optional on timeout.
// - Actions that may open a modal window in the other program (Click, PressKey,
//   PostClose) are posted and return at once: a sent message would not return until
//   that window ended. Wait for their effect afterwards.
// - Reads and SelectComboItem are sent, with a time limit against a hung program.
// - The system language of a started program under Wine follows the Unix LC_ALL of the
//   wine process that runs the test, which every program it starts inherits; LC_ALL in
//   Start's environment additions reaches only the child's environment block. Set it on
//   the wine command (for CTest: the test's ENVIRONMENT property).
#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace ui {

constexpr DWORD kDefaultTimeoutMs = 15000;

// Polls `condition` until it holds; false when it still fails after timeoutMs.
bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs = kDefaultTimeoutMs);

// A process started or opened by the test. The destructor ends a process that still
// runs, so that a failing test leaves nothing behind.
class Process {
public:
    Process() = default;
    ~Process();
    Process(Process&& other) noexcept;
    Process& operator=(Process&& other) noexcept;
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;

    // CreateProcessA with the command line passed exactly as given (the program's name
    // is not put in front). An empty workingDirectory keeps the test's own; every
    // "NAME=value" of environmentAdditions replaces or adds that variable. False on
    // failure, with GetLastError() telling why.
    bool Start(const std::string& applicationPath, const std::string& commandLine,
               const std::string& workingDirectory = std::string(),
               const std::vector<std::string>& environmentAdditions = {});
    // CreateProcessW with an empty command line, as Explorer starts a program whose
    // path the ANSI code page cannot hold.
    bool Start(const std::wstring& applicationPath, const std::wstring& workingDirectory);
    // Takes hold of a process the test did not start, e.g. one found by its window.
    bool Open(DWORD processId);

    DWORD id() const { return m_id; }
    bool IsRunning() const;
    // The exit code, once the process has ended within the timeout.
    std::optional<DWORD> WaitForExit(DWORD timeoutMs = kDefaultTimeoutMs);
    // WaitForInputIdle: the process has waited for input with nothing left to do.
    bool WaitForInputIdle(DWORD timeoutMs = kDefaultTimeoutMs) const;
    void Terminate();

private:
    void Release();
    HANDLE m_handle = nullptr;
    DWORD m_id = 0;
};

// The path of fileName in the folder of the running test program.
std::string PathBesideThisProgram(const std::string& fileName);

// Visible top-level windows: a window counts once it is shown, so a dialog is found after
// its initialisation. processId 0 matches any process, a null className or title any
// class or title. WindowOfClassExists finds hidden windows too (a marker window).
HWND FindTopLevelWindow(DWORD processId, const char* className, const char* title = nullptr);
HWND WaitForTopLevelWindow(DWORD processId, const char* className, const char* title = nullptr,
                           DWORD timeoutMs = kDefaultTimeoutMs);
bool WaitForWindowGone(HWND window, DWORD timeoutMs = kDefaultTimeoutMs);
// A window is visible before it is painted. True once its process has been idle for
// input and a message sent to the window has come back: its first paint is then done.
bool WaitUntilPainted(const Process& process, HWND window, DWORD timeoutMs = kDefaultTimeoutMs);
bool WindowOfClassExists(const char* className);  // FindWindowA: any process, any title
// A top-level window of the process and class, shown or not (a dialog still starting up).
HWND FindWindowShownOrNot(DWORD processId, const char* className);
DWORD ProcessIdOf(HWND window);
std::string ClassNameOf(HWND window);

// Message boxes are visible top-level dialogs (class "#32770"); a dialog program's own
// dialogs share that class, so pass them as `except`. The text is the static with id
// 0xFFFF, the buttons carry the IDOK..IDNO values as ids.
HWND WaitForMessageBox(DWORD processId, HWND except = nullptr, DWORD timeoutMs = kDefaultTimeoutMs);
constexpr int kMessageBoxTextId = 0xFFFF;
std::string MessageBoxText(HWND messageBox);
bool PressDialogButton(HWND dialog, int buttonId);

// Controls and their state. Texts are read in UTF-16, as the user sees them whatever the
// system's code page, and handed back in UTF-8.
HWND Control(HWND parent, int id);
std::string Text(HWND window);  // WM_GETTEXT: a control's text or a window's caption
std::string Utf8(const std::wstring& text);
bool IsEnabled(HWND window);
bool IsVisible(HWND window);
bool IsChecked(HWND button);
std::vector<std::string> ComboItems(HWND combo);
int ComboSelection(HWND combo);  // CB_ERR (-1) when nothing is selected
// Selects as the user does: the selection changes and the parent gets CBN_SELCHANGE,
// handled before this returns. False for an item that does not exist.
bool SelectComboItem(HWND combo, int index);
bool SelectComboItem(HWND combo, const std::string& itemText);

// Actions. Click refuses a control the user could not click: hidden or disabled.
bool Click(HWND button);
bool PressKey(HWND window, int virtualKey);
bool PostClose(HWND window);

// Saves what the screen shows of `window` (the whole screen for nullptr) as a 24-bit
// .bmp file: under Xvfb this is what X shows, overlapping windows included.
bool SaveScreenshot(HWND window, const std::string& bmpPath);

}  // namespace ui
