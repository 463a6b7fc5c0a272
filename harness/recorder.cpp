// Stands in for the programs the launcher hands documents to (Notepad, the web
// browser, the PDF reader and its installer): it writes how it was started to
// "<its own file name>.txt" beside itself, one key=value line each, and ends.
#include <windows.h>

#include <cstdio>
#include <string>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    char program[MAX_PATH * 2];
    wchar_t self[MAX_PATH * 2];  // the record's place, also in a folder the code page cannot name
    char folder[MAX_PATH * 2];
    const DWORD length = GetModuleFileNameA(nullptr, program, sizeof program);
    const DWORD selfLength = GetModuleFileNameW(nullptr, self, MAX_PATH * 2);
    if (length == 0 || length >= sizeof program || selfLength == 0 || selfLength >= MAX_PATH * 2) return 1;
    if (!GetCurrentDirectoryA(sizeof folder, folder)) folder[0] = '\0';
    FILE* record = _wfopen((std::wstring(self) + L".txt").c_str(), L"wb");
    if (!record) return 1;
    std::fprintf(record, "program=%s\r\ncommandLine=%s\r\nworkingDirectory=%s\r\n", program, GetCommandLineA(), folder);
    return std::fclose(record) == 0 ? 0 : 1;
}
