// Times, under Wine, the launcher's start until its main dialog is visible, side by
// side with an empty Win32 dialog program started the same way, and the processor
// measurement on its own.  startup_bench <install folder> <empty_dialog.exe> [runs]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "detect/cpu_speed.h"
#include "tools/ui_driver/ui_driver.h"

namespace {

double Milliseconds(const LARGE_INTEGER& from, const LARGE_INTEGER& to) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * double(to.QuadPart - from.QuadPart) / double(frequency.QuadPart);
}

// From CreateProcess to the first visible dialog of the process; < 0 on failure.
double TimeToDialog(const std::string& program, const std::string& folder) {
    LARGE_INTEGER start, shown;
    QueryPerformanceCounter(&start);
    ui::Process process;
    if (!process.Start(program, "", folder)) return -1;
    HWND dialog = ui::WaitForTopLevelWindow(process.id(), "#32770");
    QueryPerformanceCounter(&shown);
    if (!dialog) return -1;
    ui::PostClose(dialog);
    process.WaitForExit();
    return Milliseconds(start, shown);
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: startup_bench <install folder> <empty_dialog.exe> [runs]\n");
        return 2;
    }
    const std::string folder = argv[1];
    const int runs = argc > 3 ? std::max(1, std::atoi(argv[3])) : 5;
    std::vector<double> launcher, empty, measurement;
    for (int i = 0; i < runs; ++i) {
        launcher.push_back(TimeToDialog(folder + "\\Quimbo.exe", folder));
        empty.push_back(TimeToDialog(argv[2], folder));
        LARGE_INTEGER start, end;
        QueryPerformanceCounter(&start);
        MeasureCpuMHzWithTsc();
        QueryPerformanceCounter(&end);
        measurement.push_back(Milliseconds(start, end));
    }
    if (*std::min_element(launcher.begin(), launcher.end()) < 0 || *std::min_element(empty.begin(), empty.end()) < 0) {
        std::fprintf(stderr, "a program showed no dialog\n");
        return 1;
    }
    const double l = Median(launcher), e = Median(empty), m = Median(measurement);
    std::printf("medians over %d runs\n", runs);
    std::printf("  launcher start to visible main dialog  %8.0f ms\n", l);
    std::printf("  empty dialog program, same start       %8.0f ms\n", e);
    std::printf("  ratio launcher / empty                 %8.1f\n", l / e);
    std::printf("  processor measurement alone            %8.0f ms (1 to 2 s by design)\n", m);
    std::printf("  launcher without the measurement       %8.0f ms, ratio %.1f\n", l - m, (l - m) / e);
    return 0;
}
