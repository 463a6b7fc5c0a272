#include <windows.h>
#include <shellapi.h>

#include <cstring>

#include "launcher/process_start.h"
#include "launcher/state_steps.h"
#include "res/localized_text.h"
#include "settings/path_text.h"
#include "state/launcher_state.h"

void ShowStartFailure(unsigned long error) {
    const CString caption = LoadMessage(IDS_TITLE, gameConfig.languageIndex);
    char* text = nullptr;
    FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                   error, 0, reinterpret_cast<char*>(&text), 0, nullptr);
    MessageBoxA(nullptr, text ? text : "", caption, MB_OK);
    LocalFree(text);
}

int LaunchProgram(const char* applicationPath, char* commandLine, const char* workingDirectory) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    const DWORD flags = DETACHED_PROCESS | CREATE_NEW_PROCESS_GROUP | CREATE_DEFAULT_ERROR_MODE;
    if (CreateProcessA(applicationPath, commandLine, nullptr, nullptr, FALSE, flags, nullptr, workingDirectory,
                       &startup, &process)) {
        // The started program lives on its own; the launcher neither waits nor watches.
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
        return 1;
    }
    // Taken first: loading the caption may change the thread's last error.
    ShowStartFailure(GetLastError());
    return 0;
}

int OpenThroughShell(HWND owner, const char* file, const char* directory) {
    SHELLEXECUTEINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = SEE_MASK_FLAG_NO_UI;  // the failure is told in our own box
    info.hwnd = owner;
    info.lpVerb = "open";
    info.lpFile = file;
    info.lpDirectory = directory;
    info.nShow = SW_SHOWNORMAL;
    if (ShellExecuteExA(&info)) return 1;
    const DWORD error = GetLastError();
    if (error != ERROR_CANCELLED) ShowStartFailure(error);  // cancelled: the user said no to elevation
    return 0;
}

void LaunchInstalledCopy() {
    // The entry may have gone since start-up: then nothing starts and nothing is shown.
    if (!FindInstalledGame()) return;
    char workingDirectory[kMaxPath];
    if (!CopyText(workingDirectory, installDir)) return;
    const size_t length = std::strlen(workingDirectory);
    if (length > 0) workingDirectory[length - 1] = '\0';  // without the trailing backslash
    char commandLine[] = "";
    LaunchProgram(rootExePath, commandLine, workingDirectory);
}
