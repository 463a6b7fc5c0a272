// Times, under Wine, the launcher's start until its main dialog is painted, side by
// side with an empty Win32 dialog program started the same way, the processor
// measurement on its own, the launcher's own phases from its trace, and a second
// launcher started while the first one is in front.
//   startup_bench <install folder> <empty_dialog.exe> [runs]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "detect/cpu_speed.h"
#include "harness/ui_driver/ui_driver.h"

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

// The moments of one trace in their order, a repeated moment numbered, with their
// milliseconds since the process was created and the value a moment may carry.
struct Moment {
    std::string event;
    double ms;
    std::string value;
};
using Trace = std::vector<Moment>;

Trace ReadTrace(const std::string& path) {
    Trace trace;
    std::map<std::string, int> seen;
    std::ifstream in(path);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        std::istringstream fields(line);
        double ms;
        std::string event;
        if (!(fields >> ms) || !std::getline(fields >> std::ws, event)) continue;
        std::string value;
        const size_t space = event.find_last_of(' ');
        if (space != std::string::npos && event.find_first_not_of("-0123456789", space + 1) == std::string::npos) {
            value = event.substr(space + 1);
            event.erase(space);
        }
        const int n = ++seen[event];
        trace.push_back({n > 1 ? event + " #" + std::to_string(n) : event, ms, value});
    }
    return trace;
}

// The moments in the order the first trace has them, with the median of their times,
// how many runs reached them and the values they carried.
void PrintPhases(const char* title, const std::vector<Trace>& traces) {
    std::vector<std::string> order;
    std::map<std::string, std::vector<double>> times;
    std::map<std::string, std::string> values;
    for (const Trace& trace : traces)
        for (const Moment& moment : trace) {
            if (times.find(moment.event) == times.end()) order.push_back(moment.event);
            times[moment.event].push_back(moment.ms);
            if (!moment.value.empty() && values[moment.event].find(moment.value) == std::string::npos)
                values[moment.event] += " " + moment.value;
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

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: startup_bench <install folder> <empty_dialog.exe> [runs]\n");
        return 2;
    }
    const std::string folder = argv[1], launcherPath = folder + "\\Quimbo.exe";
    const int runs = argc > 3 ? std::max(1, std::atoi(argv[3])) : 7;
    const std::string firstTrace = TempFile("quimbo-trace-first.txt"),
                      secondTrace = TempFile("quimbo-trace-second.txt");
    std::vector<double> launcher, empty, measurement, second;
    std::vector<Trace> firstTraces, secondTraces;
    for (int i = 0; i < runs; ++i) {
        ui::Process first;
        HWND dialog = nullptr;
        WaitForPlaceInSecond(i, runs);
        const double l = TimeToPaintedDialog(first, dialog, launcherPath, folder, {"QUIMBO_TRACE=" + firstTrace});
        if (l < 0) {
            std::fprintf(stderr, "the launcher showed no painted dialog\n");
            return 1;
        }
        launcher.push_back(l);

        // The first one stays in front while a second one starts and steps aside.
        LARGE_INTEGER start, end;
        QueryPerformanceCounter(&start);
        ui::Process other;
        if (!other.Start(launcherPath, "", folder, {"QUIMBO_TRACE=" + secondTrace}) || !other.WaitForExit()) {
            std::fprintf(stderr, "the second launcher did not end\n");
            return 1;
        }
        QueryPerformanceCounter(&end);
        second.push_back(Milliseconds(start, end));
        Close(first, dialog);
        firstTraces.push_back(ReadTrace(firstTrace));
        secondTraces.push_back(ReadTrace(secondTrace));

        ui::Process yardstick;
        WaitForPlaceInSecond(i, runs);
        const double e = TimeToPaintedDialog(yardstick, dialog, argv[2], folder);
        if (e < 0) {
            std::fprintf(stderr, "the empty dialog program showed no painted dialog\n");
            return 1;
        }
        empty.push_back(e);
        Close(yardstick, dialog);

        WaitForPlaceInSecond(i, runs);
        QueryPerformanceCounter(&start);
        MeasureCpuMHzWithTsc();
        QueryPerformanceCounter(&end);
        measurement.push_back(Milliseconds(start, end));
    }
    const double l = Median(launcher), e = Median(empty), m = Median(measurement);
    std::printf("medians over %d runs\n", runs);
    std::printf("  launcher start to painted main dialog     %8.0f ms\n", l);
    std::printf("  empty dialog program, painted             %8.0f ms\n", e);
    std::printf("  launcher minus empty program              %8.0f ms\n", l - e);
    std::printf("  processor measurement alone               %8.0f ms (1 to 2 s by design)\n", m);
    std::printf("  launcher minus empty minus measurement    %8.0f ms (goal: at most 150)\n", l - e - m);
    std::printf("  second launcher, first in front, to end   %8.0f ms (slowest %.0f; goal: at most 500)\n",
                Median(second), *std::max_element(second.begin(), second.end()));
    std::printf("each run: launcher / empty / measurement / second launcher, ms\n");
    for (int i = 0; i < runs; ++i)
        std::printf("  %6.0f %6.0f %6.0f %6.0f\n", launcher[i], empty[i], measurement[i], second[i]);
    PrintPhases("launcher's own phases", firstTraces);
    PrintPhases("second launcher's phases", secondTraces);
    return 0;
}
