#include "harness/stand_in_report.h"

#include <sstream>

std::map<std::string, std::string> ParseKeyValueReport(const std::string& text) {
    std::map<std::string, std::string> items;
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const size_t equals = line.find('=');
        if (equals != std::string::npos) items[line.substr(0, equals)] = line.substr(equals + 1);
    }
    return items;
}
