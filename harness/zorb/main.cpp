// zorb.exe, the stand-in game. It records what a started game receives: the command
// line exactly as GetCommandLineA gives it, the working directory, and the settings
// record read from "config.pc" in the working directory. The launcher starts the game
// with the installation's bin folder as working directory and keeps the record in
// "bin\config.pc" of the installation folder, so both name the same file.
//
// The report is written to "zorb-report.txt" beside zorb.exe before the window appears,
// complete once it exists (harness/stand_in_report.h): whoever sees the window can read
// the report. Exit code 0, or 1 when the report could not be written, 2 when the window
// could not be created.
#include <windows.h>

#include <string>

#include "harness/stand_in_report.h"
#include "harness/zorb/game_window.h"
#include "harness/zorb/report.h"

namespace {

std::string CurrentDirectory() {
    DWORD size = GetCurrentDirectoryA(0, nullptr);
    if (size == 0) return std::string();
    std::string directory(size, '\0');
    DWORD length = GetCurrentDirectoryA(size, &directory[0]);
    directory.resize(length < size ? length : 0);
    return directory;
}

// The folder of zorb.exe with a trailing backslash, wide so that a folder the code page
// cannot name still takes the report; empty when it cannot be found.
std::wstring ProgramFolder() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        DWORD length = GetModuleFileNameW(nullptr, &path[0], DWORD(path.size()));
        if (length == 0) return std::wstring();
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        if (path.size() >= 32768) return std::wstring();  // beyond any Windows path
        path.resize(path.size() * 2);
    }
    size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash + 1);
}

std::string Narrow(const std::wstring& text) {
    std::string narrow(text.size() * 2 + 1, '\0');
    int length = WideCharToMultiByte(CP_ACP, 0, text.c_str(), -1, &narrow[0], int(narrow.size()), nullptr, nullptr);
    narrow.resize(length > 0 ? size_t(length - 1) : 0);
    return narrow;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    std::string report = FormatReport(GetCommandLineA(), CurrentDirectory(), ReadConfigFile("config.pc"));

    std::wstring folder = ProgramFolder();
    std::wstring reportPath = (std::filesystem::path(folder) / kGameReportName).wstring();
    bool written = !folder.empty() && WriteStandInReport(reportPath, report);
    std::string note =
        (written ? "Report written to " : "Report could not be written to ") + Narrow(reportPath) + "   (Esc closes)";

    if (!RunGameWindow(instance, showCommand, report, note)) return 2;
    return written ? 0 : 1;
}
