#pragma once
// A hidden window of its own for the OpenGL probe. A window takes a pixel format only
// once and keeps it for life; under Wine a window with a pixel format also stops
// showing what GDI draws on it. So the probe never draws on a window anyone sees.
// SetPixelFormat rules out classes with CS_PARENTDC (as the system's "STATIC" has):
// the window is of a private class with a device context of its own, and clips its
// children and siblings, as OpenGL wants.
#include <windows.h>

class ProbeWindow {
public:
    ProbeWindow() {
        WNDCLASSA windowClass{};
        windowClass.style = CS_OWNDC;
        windowClass.lpfnWndProc = DefWindowProcA;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = kClassName;
        // A second probe finds the class registered already; creating still works.
        RegisterClassA(&windowClass);
        m_window = CreateWindowExA(0, kClassName, "probe", WS_POPUP | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, 0, 0, 64, 64,
                                   nullptr, nullptr, windowClass.hInstance, nullptr);
    }
    ~ProbeWindow() {
        if (m_window) DestroyWindow(m_window);
    }
    ProbeWindow(const ProbeWindow&) = delete;
    ProbeWindow& operator=(const ProbeWindow&) = delete;

    HWND handle() const { return m_window; }

private:
    static constexpr const char* kClassName = "Quimbo OpenGL probe";
    HWND m_window = nullptr;
};
