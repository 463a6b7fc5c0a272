#pragma once
// The one reader of the traced launcher's start-up trace (QUIMBO_TRACE), for the
// start-up benchmark and the tests. A line is "<ms> <moment>[ <value>]"; the moments'
// names are those of state/trace.h.
#include <string>
#include <vector>

struct TracedMoment {
    std::string event;
    double ms = 0;         // since the process was created
    long long value = -1;  // -1 for a moment without one
};
using TracedMoments = std::vector<TracedMoment>;

// The moments in the file's order; lines that do not read as one are left out, and a
// missing file gives none.
TracedMoments ReadTraceFile(const std::string& path);

// The first moment named `event`, or nullptr.
const TracedMoment* FindMoment(const TracedMoments& trace, const std::string& event);
