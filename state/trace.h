#pragma once
// Named moments of start-up for a trace file. Off unless the launcher installs a sink
// (it does when QUIMBO_TRACE names a file); until then a trace point is one test.
using TraceSink = void (*)(const char* event, long long value);
extern TraceSink traceSink;  // set before any second thread starts, never changed after

inline void Trace(const char* event, long long value = -1) {
    if (traceSink) traceSink(event, value);
}
