// zorb.exe, the stand-in game. It records what a started game receives: the command
// line exactly as GetCommandLineA gives it, the working directory, and the settings
// record read from "config.pc" in the working directory. The launcher starts the game
// with the installation's bin folder as working directory and keeps the record in
// "bin\config.pc" of the installation folder, so both name the same file.
//
// The report is written to "zorb-report.txt" beside zorb.exe before the window
// appears: whoever sees the window can read the report. Exit code 0, or 1 when the
// report could not be written, 2 when the window could not be created.
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "harness/zorb/game_window.h"
#include "harness/zorb/report.h"

namespace {

constexpr const wchar_t* kReportName = L"zorb-report.txt";

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

bool WriteReport(const std::wstring& path, const std::string& report) {
    std::ofstream out(std::filesystem::path(path), std::ios::binary | std::ios::trunc);
    out.write(report.data(), std::streamsize(report.size()));
    out.close();
    return bool(out);
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
    std::wstring reportPath = folder + kReportName;
    bool written = !folder.empty() && WriteReport(reportPath, report);
    std::string note =
        (written ? "Report written to " : "Report could not be written to ") + Narrow(reportPath) + "   (Esc closes)";

    if (!RunGameWindow(instance, showCommand, report, note)) return 2;
    return written ? 0 : 1;
}
