#pragma once
// A hidden window of its own for the OpenGL probe. A window takes a pixel format only
// once and keeps it for life; under Wine a window with a pixel format also stops
// showing what GDI draws on it. So the probe never draws on a window anyone sees.
#include <windows.h>

class ProbeWindow {
public:
    ProbeWindow()
        : m_window(CreateWindowExA(0, "STATIC", "probe", WS_POPUP, 0, 0, 64, 64, nullptr, nullptr,
                                   GetModuleHandleA(nullptr), nullptr)) {}
    ~ProbeWindow() {
        if (m_window) DestroyWindow(m_window);
    }
    ProbeWindow(const ProbeWindow&) = delete;
    ProbeWindow& operator=(const ProbeWindow&) = delete;

    HWND handle() const { return m_window; }

private:
    HWND m_window;
};
