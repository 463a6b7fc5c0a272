// Times, under Wine, the launcher's start until its main dialog is painted, with a saved
// record and on a first run, side by side with an empty Win32 dialog program, the floor
// (only the system calls the launcher must make before its dialog can show) and the
// processor measurement on its own, all started the same way; the traced build's phases;
// and a second launcher started while the first one is in front.
//   startup_bench <install folder> <folder of the benchmark programs> <QuimboTraced.exe> [runs]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "detect/cpu_speed_win.h"
#include "harness/trace_file.h"
#include "harness/ui_driver/ui_driver.h"
#include "state/trace.h"

namespace {

double Milliseconds(const LARGE_INTEGER& from, const LARGE_INTEGER& to) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * double(to.QuadPart - from.QuadPart) / double(frequency.QuadPart);
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? -1 : values[values.size() / 2];
}

std::string TempFile(const char* name) {
    char folder[MAX_PATH];
    const DWORD length = GetTempPathA(sizeof folder, folder);
    return std::string(folder, length < sizeof folder ? length : 0) + name;
}

// The moments in the order the first trace has them, with the median of their times,
// how many runs reached them and the values they carried.
void PrintPhases(const char* title, const std::vector<TracedMoments>& traces) {
    std::vector<std::string> order;
    std::map<std::string, std::vector<double>> times;
    std::map<std::string, std::string> values;
    for (const TracedMoments& trace : traces) {
        std::map<std::string, int> seen;  // a repeated moment numbered
        for (const TracedMoment& moment : trace) {
            const int n = ++seen[moment.event];
            const std::string event = n > 1 ? moment.event + " #" + std::to_string(n) : moment.event;
            if (times.find(event) == times.end()) order.push_back(event);
            times[event].push_back(moment.ms);
            const std::string value = moment.value < 0 ? "" : " " + std::to_string(moment.value);
            if (!value.empty() && values[event].find(value) == std::string::npos) values[event] += value;
        }
    }
    std::printf("%s (ms since process creation, medians; runs that reached it; values)\n", title);
    for (const std::string& event : order)
        std::printf("  %8.1f  %-32s %zu/%zu%s\n", Median(times[event]), event.c_str(), times[event].size(),
                    traces.size(), values[event].c_str());
}

// From CreateProcess to the painted first dialog of the process; < 0 on failure.
double TimeToPaintedDialog(ui::Process& process, HWND& dialog, const std::string& program, const std::string& folder,
                           const std::vector<std::string>& environment = {}) {
    LARGE_INTEGER start, painted;
    QueryPerformanceCounter(&start);
    if (!process.Start(program, "", folder, environment)) return -1;
    dialog = ui::WaitForTopLevelWindow(process.id(), "#32770");
    if (!dialog || !ui::WaitUntilPainted(process, dialog)) return -1;
    QueryPerformanceCounter(&painted);
    return Milliseconds(start, painted);
}

// The measurement waits for the tick counter's next whole second, so how long it takes
// depends on where in the second it starts. Every kind of run starts at the same
// spread of places, run i at i/runs of a second, so their medians compare.
void WaitForPlaceInSecond(int run, int runs) {
    const DWORD place = DWORD(run * 1000 / runs);
    Sleep(1000 - GetTickCount() % 1000);  // just past a change of the seconds
    Sleep(place);
}

void Close(ui::Process& process, HWND dialog) {
    ui::PostClose(dialog);
    process.WaitForExit();
}

// Starts `program` in `folder` and returns the time to its painted dialog; the dialog is
// then closed. A first run starts without bin\config.pc. < 0 on failure.
double TimedStart(const std::string& program, const std::string& folder, bool firstRun, int run, int runs,
                  const std::vector<std::string>& environment = {}) {
    if (firstRun) ::DeleteFileA((folder + "\\bin\\config.pc").c_str());
    ui::Process process;
    HWND dialog = nullptr;
    WaitForPlaceInSecond(run, runs);
    const double ms = TimeToPaintedDialog(process, dialog, program, folder, environment);
    if (dialog) Close(process, dialog);
    return ms;
}

double MomentMs(const TracedMoments& trace, const char* event) {
    const TracedMoment* moment = FindMoment(trace, event);
    return moment ? moment->ms : -1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: startup_bench <install folder> <bench folder> <QuimboTraced.exe> [runs]\n");
        return 2;
    }
    const std::string folder = argv[1], launcherPath = folder + "\\Quimbo.exe", benchFolder = argv[2], traced = argv[3];
    const int runs = argc > 4 ? std::max(1, std::atoi(argv[4])) : 7;
    const std::string trace = TempFile("quimbo-trace.txt");
    const std::vector<std::string> tracing = {"QUIMBO_TRACE=" + trace};
    std::map<std::string, std::vector<double>> times;
    std::vector<TracedMoments> savedTraces, firstTraces;
    int paintedBeforeMeasurement = 0, tracedRuns = 0;
    TimedStart(launcherPath, folder, true, 0, runs);  // leaves a saved record for the runs
    for (int i = 0; i < runs; ++i) {
        const struct {
            const char* name;
            std::string program;
            bool firstRun;
        } kinds[] = {{"saved", launcherPath, false},
                     {"first", launcherPath, true},
                     {"empty", benchFolder + "\\empty_dialog.exe", false},
                     {"floor", benchFolder + "\\startup_floor.exe", false}};
        for (const auto& kind : kinds) {
            const double ms = TimedStart(kind.program, folder, kind.firstRun, i, runs);
            if (ms < 0) {
                std::fprintf(stderr, "%s: no painted dialog\n", kind.program.c_str());
                return 1;
            }
            times[kind.name].push_back(ms);
        }
        TimedStart(traced, folder, false, i, runs, tracing);
        savedTraces.push_back(ReadTraceFile(trace));
        const double paint = MomentMs(savedTraces.back(), kTraceFirstPaint);
        const double measured = MomentMs(savedTraces.back(), kTraceMeasured);
        if (measured >= 0 || paint >= 0) {  // the measurement may still be counting when the process ends
            ++tracedRuns;
            paintedBeforeMeasurement += paint >= 0 && (measured < 0 || paint < measured);
        }
        TimedStart(traced, folder, true, i, runs, tracing);
        firstTraces.push_back(ReadTraceFile(trace));

        // The first one stays in front while a second one starts and steps aside.
        ui::Process first, other;
        HWND dialog = nullptr;
        TimeToPaintedDialog(first, dialog, launcherPath, folder);
        LARGE_INTEGER start, end;
        QueryPerformanceCounter(&start);
        if (!other.Start(launcherPath, "", folder) || !other.WaitForExit()) {
            std::fprintf(stderr, "the second launcher did not end\n");
            return 1;
        }
        QueryPerformanceCounter(&end);
        times["second"].push_back(Milliseconds(start, end));
        if (dialog) Close(first, dialog);

        WaitForPlaceInSecond(i, runs);
        QueryPerformanceCounter(&start);
        MeasureCpuMHzWithTsc();
        QueryPerformanceCounter(&end);
        times["measurement"].push_back(Milliseconds(start, end));
    }
    const double saved = Median(times["saved"]), first = Median(times["first"]), floor = Median(times["floor"]),
                 measurement = Median(times["measurement"]);
    // On its own thread the measurement marks its end; counted by the defaults themselves
    // (one processor), it shows as a long wait after the enumeration.
    const TracedMoments& firstRun = firstTraces.front();
    const bool onThread = MomentMs(firstRun, kTraceMeasured) >= 0;
    const bool measuring =
        onThread || MomentMs(firstRun, kTraceMeasurementWaited) - MomentMs(firstRun, kTraceDisplaysEnumerated) > 300;
    std::printf("medians over %d runs; clock rate %s\n", runs,
                onThread    ? "measured on a thread of its own"
                : measuring ? "measured when the defaults needed it"
                            : "read from the registry");
    std::printf("  launcher, saved record, to painted dialog  %8.0f ms\n", saved);
    std::printf("  launcher, first run, to painted dialog     %8.0f ms\n", first);
    std::printf("  empty dialog program, painted              %8.0f ms\n", Median(times["empty"]));
    std::printf("  the floor, its message box painted         %8.0f ms\n", floor);
    std::printf("  processor measurement alone                %8.0f ms\n", measurement);
    std::printf("  saved record minus floor                   %8.0f ms (goal: at most 150)\n", saved - floor);
    std::printf("  first run minus floor minus measurement    %8.0f ms (goal: at most 150)\n",
                first - floor - (measuring ? measurement : 0));
    std::printf("  saved record: first paint before the measurement's end in %d of %d traced runs\n",
                paintedBeforeMeasurement, tracedRuns);
    std::printf("  second launcher, first in front, to end    %8.0f ms (slowest %.0f)\n", Median(times["second"]),
                *std::max_element(times["second"].begin(), times["second"].end()));
    std::printf("each run: saved / first / empty / floor / measurement / second launcher, ms\n");
    for (int i = 0; i < runs; ++i)
        std::printf("  %6.0f %6.0f %6.0f %6.0f %6.0f %6.0f\n", times["saved"][i], times["first"][i], times["empty"][i],
                    times["floor"][i], times["measurement"][i], times["second"][i]);
    PrintPhases("traced launcher, saved record", savedTraces);
    PrintPhases("traced launcher, first run", firstTraces);
    return 0;
}
