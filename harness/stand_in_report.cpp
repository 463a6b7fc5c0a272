#include "harness/stand_in_report.h"

#include <windows.h>

#include <sstream>

#include "harness/file_bytes.h"

std::filesystem::path RecordOf(const std::filesystem::path& recorder) {
    std::filesystem::path record = recorder;
    return record += ".txt";
}

bool WriteStandInReport(const std::filesystem::path& path, const std::string& text) {
    std::filesystem::path part = path;
    part += ".part";
    return WriteBytes(part, text) && MoveFileExW(part.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING);
}

StandInReport ParseStandInReport(const std::string& text) {
    StandInReport items;
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const size_t equals = line.find('=');
        if (equals != std::string::npos) items[line.substr(0, equals)] = line.substr(equals + 1);
    }
    return items;
}
