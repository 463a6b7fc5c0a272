// detect-report.exe: runs the launcher's hardware detection as the launcher does and
// prints what it found, with the time each step took:
//   the processor clock (divide-flags test, registry figure, time-stamp measurement),
//   the display devices with their modes and 3D flags, the OpenGL probe's outcome on
//   a fresh window, and the system's OpenGL renderer string.
// "--no-clock" skips the one to two seconds of clock measurement.
#include <windows.h>
#include <ddraw.h>

#include <GL/gl.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "detect/cpu_speed_win.h"
#include "detect/display_devices_win.h"
#include "detect/opengl_probe_win.h"
#include "detect/probe_window_win.h"

namespace {

class Stopwatch {
public:
    Stopwatch() {
        QueryPerformanceFrequency(&m_frequency);
        QueryPerformanceCounter(&m_start);
    }
    double Milliseconds() const {
        LARGE_INTEGER now;
        QueryPerformanceCounter(&now);
        return double(now.QuadPart - m_start.QuadPart) * 1000.0 / double(m_frequency.QuadPart);
    }

private:
    LARGE_INTEGER m_frequency;
    LARGE_INTEGER m_start;
};

const char* OutcomeName(OpenGlProbeResult result) {
    switch (result) {
        case FormatRejected: return "FormatRejected";
        case NotAccelerated: return "NotAccelerated";
        case Accelerated: return "Accelerated";
    }
    return "?";
}

std::string RendererString() {
    ProbeWindow probe;
    HWND window = probe.handle();
    HDC dc = GetDC(window);
    PIXELFORMATDESCRIPTOR pfd{};
    pfd.nSize = sizeof pfd;
    pfd.nVersion = 1;
    pfd.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;
    pfd.cColorBits = 16;
    std::string renderer = "(none)";
    const int format = ChoosePixelFormat(dc, &pfd);
    if (format && SetPixelFormat(dc, format, &pfd)) {
        if (HGLRC context = wglCreateContext(dc)) {
            if (wglMakeCurrent(dc, context)) {
                if (const GLubyte* text = glGetString(GL_RENDERER)) renderer = reinterpret_cast<const char*>(text);
                wglMakeCurrent(nullptr, nullptr);
            }
            wglDeleteContext(context);
        }
    }
    ReleaseDC(window, dc);
    return renderer;
}

void ReportClock() {
    Stopwatch flags;
    const int cyrix = IsCyrixProcessor();
    std::printf("divide-flags test: %d (%.3f ms)\n", cyrix, flags.Milliseconds());
    Stopwatch registry;
    const int registryMHz = ReadRegistryCpuMHz();
    std::printf("registry ~MHz: %d (%.3f ms)\n", registryMHz, registry.Milliseconds());
    Stopwatch measure;
    const int measuredMHz = MeasureCpuMHzWithTsc();
    std::printf("time-stamp measurement: %d MHz (%.1f ms)\n", measuredMHz, measure.Milliseconds());
    Stopwatch estimate;
    const int cpuMHz = DetectCpuMHz();
    std::printf("DetectCpuMHz: %d (%.1f ms)\n", cpuMHz, estimate.Milliseconds());
}

void ReportDevices(HWND window) {
    Stopwatch enumeration;
    DisplayScan scan{};
    ScanDirectDrawDevices(window, 1, scan);
    const double enumerationMs = enumeration.Milliseconds();
    std::printf("ScanDirectDrawDevices with the probe: %d devices (%.1f ms)\n", scan.deviceCount, enumerationMs);
    for (int slot = 1; slot <= scan.deviceCount; ++slot) {
        const DisplayDevice& d = scan.devices[slot];
        std::printf("slot %d: \"%s\" hardware3D %d is3dfxDriver %d guid", slot, d.description, d.hardware3D,
                    d.is3dfxDriver);
        for (uint8_t byte : d.guid.bytes) std::printf(" %02x", byte);
        std::printf("\n  %d modes:", d.modeCount);
        for (int i = 0; i < d.modeCount; ++i)
            std::printf("%s%dx%dx%d", i % 6 ? "  " : "\n    ", d.modeWidth[i], d.modeHeight[i], d.modeBitsPerPixel[i]);
        std::printf("\n");
    }
    std::printf("hardware3DAvailable %d, primary accelerated %d\n", scan.hardware3DAvailable, scan.primaryAccelerated);
}

BOOL CALLBACK IgnoreDevice(GUID*, LPSTR, LPSTR, LPVOID) { return TRUE; }
HRESULT CALLBACK IgnoreMode(LPDDSURFACEDESC, LPVOID) { return DDENUMRET_OK; }

// Where the enumeration's time goes: DirectDraw's own calls, taken after the launcher's
// enumeration has run once in this process.
void ReportDirectDrawSteps() {
    Stopwatch enumerate;
    DirectDrawEnumerateA(IgnoreDevice, nullptr);
    std::printf("DirectDrawEnumerateA alone: %.1f ms\n", enumerate.Milliseconds());
    Stopwatch create;
    IDirectDraw* directDraw = nullptr;
    if (DirectDrawCreate(nullptr, &directDraw, nullptr) != DD_OK) return;
    const double createMs = create.Milliseconds();
    Stopwatch level;
    directDraw->SetCooperativeLevel(nullptr, DDSCL_NORMAL);
    const double levelMs = level.Milliseconds();
    Stopwatch modes;
    directDraw->EnumDisplayModes(0, nullptr, nullptr, IgnoreMode);
    const double modesMs = modes.Milliseconds();
    Stopwatch release;
    directDraw->Release();
    std::printf("DirectDrawCreate %.1f ms, SetCooperativeLevel %.1f ms, EnumDisplayModes %.1f ms, Release %.1f ms\n",
                createMs, levelMs, modesMs, release.Milliseconds());
}

void ReportProbe() {
    ProbeWindow probeWindow;
    HWND window = probeWindow.handle();
    HDC dc = GetDC(window);
    Stopwatch probe;
    OpenGlProbeResult result;
    {
        OpenGlLibrary library("opengl32.dll");
        result = RunOpenGlProbe(library, dc, 1);
    }
    const double probeMs = probe.Milliseconds();
    ReleaseDC(window, dc);
    std::printf("probe on a fresh window: %s (%.1f ms)\n", OutcomeName(result), probeMs);
    std::printf("renderer: %s\n", RendererString().c_str());
}

}  // namespace

int main(int argc, char** argv) {
    const bool clock = !(argc > 1 && std::strcmp(argv[1], "--no-clock") == 0);
    // As at start-up: the launcher holds its own reference to the OpenGL library.
    HMODULE openGl = LoadLibraryA("opengl32.dll");
    if (clock) ReportClock();
    ProbeWindow probe;
    HWND window = probe.handle();
    ReportDevices(window);
    ReportDirectDrawSteps();
    ReportProbe();
    if (openGl) FreeLibrary(openGl);
    return 0;
}
