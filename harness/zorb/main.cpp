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

#include <fstream>
#include <string>

#include "harness/zorb/game_window.h"
#include "harness/zorb/report.h"

namespace {

constexpr const char* kReportName = "zorb-report.txt";

std::string CurrentDirectory() {
    DWORD size = GetCurrentDirectoryA(0, nullptr);
    if (size == 0) return std::string();
    std::string directory(size, '\0');
    DWORD length = GetCurrentDirectoryA(size, &directory[0]);
    directory.resize(length < size ? length : 0);
    return directory;
}

// The folder of zorb.exe with a trailing backslash; empty when it cannot be found.
std::string ProgramFolder() {
    std::string path(MAX_PATH, '\0');
    for (;;) {
        DWORD length = GetModuleFileNameA(nullptr, &path[0], DWORD(path.size()));
        if (length == 0) return std::string();
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        if (path.size() >= 32768) return std::string();  // beyond any Windows path
        path.resize(path.size() * 2);
    }
    size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

bool WriteReport(const std::string& path, const std::string& report) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(report.data(), std::streamsize(report.size()));
    out.close();
    return bool(out);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    std::string report = FormatReport(GetCommandLineA(), CurrentDirectory(), ReadConfigFile("config.pc"));

    std::string folder = ProgramFolder();
    std::string reportPath = folder + kReportName;
    bool written = !folder.empty() && WriteReport(reportPath, report);
    std::string note =
        (written ? "Report written to " : "Report could not be written to ") + reportPath + "   (Esc closes)";

    if (!RunGameWindow(instance, showCommand, report, note)) return 2;
    return written ? 0 : 1;
}
