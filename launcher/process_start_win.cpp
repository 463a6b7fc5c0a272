#include <windows.h>
#include <shellapi.h>

#include <cstring>

#include "launcher/process_start.h"
#include "launcher/process_start_win.h"
#include "launcher/state_steps_win.h"
#include "res/localized_text_win.h"
#include "settings/path_text.h"
#include "state/launcher_state.h"

void ShowStartFailure(unsigned long error) {
    const CString caption = LoadMessage(IDS_TITLE, gameConfig.languageIndex);
    wchar_t* text = nullptr;
    FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                   error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    MessageBoxW(nullptr, text ? text : L"", caption, MB_OK);
    LocalFree(text);
}

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
        return StartWithShellExecute(nullptr, applicationPath, parameters, workingDirectory, m_process);
    }

private:
    HANDLE* m_process;
};

// Volume and file index name a file whatever path leads to it (a short name, another
// case, a relative one).
bool IsSameFile(const char* first, const char* second) {
    BY_HANDLE_FILE_INFORMATION info[2];
    const char* paths[2] = {first, second};
    for (int i = 0; i < 2; ++i) {
        const HANDLE file = CreateFileA(paths[i], 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                        OPEN_EXISTING, 0, nullptr);
        if (file == INVALID_HANDLE_VALUE) return false;
        const BOOL known = GetFileInformationByHandle(file, &info[i]);
        CloseHandle(file);
        if (!known) return false;
    }
    return info[0].dwVolumeSerialNumber == info[1].dwVolumeSerialNumber &&
           info[0].nFileIndexHigh == info[1].nFileIndexHigh && info[0].nFileIndexLow == info[1].nFileIndexLow;
}

bool IsOnCdDrive(const char* path) {
    char volume[kMaxPath];
    return GetVolumePathNameA(path, volume, sizeof volume) && GetDriveTypeA(volume) == DRIVE_CDROM;
}

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

bool InstalledCopyIsElsewhere() {
    char own[kMaxPath];
    const DWORD length = GetModuleFileNameA(nullptr, own, sizeof own);
    const bool ownKnown = length > 0 && length < sizeof own;
    return !IsOnCdDrive(installDir) && !(ownKnown && IsSameFile(own, rootExePath));
}

HANDLE LaunchInstalledCopy() {
    // The entry may have gone since start-up: then nothing starts and nothing is shown.
    if (!FindInstalledGame()) return nullptr;
    char workingDirectory[kMaxPath];
    if (!CopyText(workingDirectory, installDir)) return nullptr;
    const size_t length = std::strlen(workingDirectory);
    if (length > 0) workingDirectory[length - 1] = '\0';  // without the trailing backslash
    char commandLine[] = "";
    HANDLE copy = nullptr;
    WindowsStarter starter(&copy);
    return ReportStart(StartProgram(starter, rootExePath, commandLine, workingDirectory)) ? copy : nullptr;
}
