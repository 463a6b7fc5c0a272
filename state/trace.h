#pragma once
// Named moments of start-up for a trace file. Off unless the launcher installs a sink
// (it does when QUIMBO_TRACE names a file); until then a trace point is one test.
using TraceSink = void (*)(const char* event, long long value);
extern TraceSink traceSink;  // set before any second thread starts, never changed after

// The moments, as the trace file names them: the launcher marks them, the start-up
// benchmark and the tests look them up.
constexpr const char* kTraceInitInstance = "InitInstance";
constexpr const char* kTraceDisplaysEnumerated = "display enumeration done";
constexpr const char* kTracePicturesAndTexts = "pictures and texts loaded";
constexpr const char* kTraceFirstPaint = "first paint done";
constexpr const char* kTraceMeasured = "measurement done";                 // on its own thread; the rate
constexpr const char* kTraceMeasurementWaited = "measurement waited for";  // the rate cpuMHz got

inline void Trace(const char* event, long long value = -1) {
    if (traceSink) traceSink(event, value);
}
