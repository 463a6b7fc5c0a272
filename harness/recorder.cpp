// Stands in for the programs the launcher hands documents to (Notepad, the web
// browser, the PDF reader and its installer): it reports how it was started to
// "<its own file name>.txt" beside itself (harness/stand_in_report.h), and ends.
#include <windows.h>

#include <string>

#include "harness/stand_in_report.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    char program[MAX_PATH * 2];
    wchar_t self[MAX_PATH * 2];  // the record's place, also in a folder the code page cannot name
    char folder[MAX_PATH * 2];
    const DWORD length = GetModuleFileNameA(nullptr, program, sizeof program);
    const DWORD selfLength = GetModuleFileNameW(nullptr, self, MAX_PATH * 2);
    if (length == 0 || length >= sizeof program || selfLength == 0 || selfLength >= MAX_PATH * 2) return 1;
    if (!GetCurrentDirectoryA(sizeof folder, folder)) folder[0] = '\0';
    const std::string record = std::string("program=") + program + "\r\ncommandLine=" + GetCommandLineA() +
                               "\r\nworkingDirectory=" + folder + "\r\n";
    return WriteStandInReport(RecordOf(self), record) ? 0 : 1;
}
