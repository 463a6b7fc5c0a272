#include "harness/trace_file.h"

#include <cstdlib>
#include <fstream>
#include <sstream>

TracedMoments ReadTraceFile(const std::string& path) {
    TracedMoments trace;
    std::ifstream in(path, std::ios::binary);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        std::istringstream fields(line);
        TracedMoment moment;
        if (!(fields >> moment.ms) || !std::getline(fields >> std::ws, moment.event)) continue;
        // A value is the last word when it is all digits (with a sign).
        const size_t space = moment.event.find_last_of(' ');
        if (space != std::string::npos && space + 1 < moment.event.size() &&
            moment.event.find_first_not_of("-0123456789", space + 1) == std::string::npos) {
            moment.value = std::atoll(moment.event.c_str() + space + 1);
            moment.event.erase(space);
        }
        trace.push_back(moment);
    }
    return trace;
}

const TracedMoment* FindMoment(const TracedMoments& trace, const std::string& event) {
    for (const TracedMoment& moment : trace)
        if (moment.event == event) return &moment;
    return nullptr;
}
