#include <windows.h>
#include <shellapi.h>

#include "framework/win_app.h"
#include "framework/wnd.h"
#include "launcher/process_start.h"
#include "launcher/process_start_win.h"
#include "launcher/start_failure_win.h"

static_assert(kErrorCancelled == ERROR_CANCELLED);

namespace {

// Through the shell: its own boxes stay shut, as ours tells the failure, and the start
// is complete when this returns, as the launcher may end right after.
// With `process`, the started process comes back in it, or nullptr when the shell
// handed the file to a program already running.
unsigned long StartWithShellExecute(HWND owner, const char* file, const char* parameters, const char* directory,
                                    HANDLE* process = nullptr) {
    SHELLEXECUTEINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = SEE_MASK_FLAG_NO_UI | SEE_MASK_NOASYNC | (process ? SEE_MASK_NOCLOSEPROCESS : 0);
    info.hwnd = owner;
    info.lpVerb = "open";
    info.lpFile = file;
    info.lpParameters = parameters;
    info.lpDirectory = directory;
    info.nShow = SW_SHOWNORMAL;
    if (!ShellExecuteExA(&info)) return GetLastError();
    if (process) *process = info.hProcess;
    return 0;
}

// The main dialog's window once it exists (hidden while it starts up), so that a
// consent prompt comes up in front of it rather than as a button on the taskbar.
HWND MainDialogWindow() {
    const CWnd* dialog = AfxGetMainWnd();
    return dialog ? dialog->m_hWnd : nullptr;
}

class WindowsStarter final : public ProgramStarter {
public:
    // With `process`, the started process is kept there for the caller to close;
    // otherwise it lives on its own, neither waited for nor watched.
    explicit WindowsStarter(HANDLE* process = nullptr) : m_process(process) {}

    unsigned long StartDirect(const char* applicationPath, char* commandLine, const char* workingDirectory) override {
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process{};
        const DWORD flags = DETACHED_PROCESS | CREATE_NEW_PROCESS_GROUP | CREATE_DEFAULT_ERROR_MODE;
        if (!CreateProcessA(applicationPath, commandLine, nullptr, nullptr, FALSE, flags, nullptr, workingDirectory,
                            &startup, &process))
            return GetLastError();
        CloseHandle(process.hThread);
        if (m_process) *m_process = process.hProcess;
        else CloseHandle(process.hProcess);
        return 0;
    }
    unsigned long StartThroughShell(const char* applicationPath, const char* parameters,
                                    const char* workingDirectory) override {
        return StartWithShellExecute(MainDialogWindow(), applicationPath, parameters, workingDirectory, m_process);
    }

private:
    HANDLE* m_process;
};

// A refused consent prompt is the user's own answer: nothing is shown.
bool ReportStart(unsigned long error) {
    if (error == 0) return true;
    if (error != kErrorCancelled) ShowStartFailure(error);
    return false;
}

}  // namespace

BOOL LaunchProgram(const char* applicationPath, char* commandLine, const char* workingDirectory) {
    WindowsStarter starter;
    return ReportStart(StartProgram(starter, applicationPath, commandLine, workingDirectory));
}

bool StartThroughShell(HWND owner, const char* file, const char* directory) {
    return ReportStart(StartWithShellExecute(owner, file, nullptr, directory));
}

HANDLE StartProgramKeepingProcess(const char* applicationPath, char* commandLine, const char* workingDirectory) {
    HANDLE process = nullptr;
    WindowsStarter starter(&process);
    return ReportStart(StartProgram(starter, applicationPath, commandLine, workingDirectory)) ? process : nullptr;
}
