#pragma once
// A hidden top-level window of its own for each OpenGL test: a window takes a pixel
// format only once.
#include <windows.h>

class ProbeWindow {
public:
    ProbeWindow()
        : window_(CreateWindowExA(0, "STATIC", "probe", WS_POPUP, 0, 0, 64, 64, nullptr, nullptr,
                                  GetModuleHandleA(nullptr), nullptr)) {}
    ~ProbeWindow() { DestroyWindow(window_); }
    ProbeWindow(const ProbeWindow&) = delete;
    ProbeWindow& operator=(const ProbeWindow&) = delete;

    HWND handle() const { return window_; }

private:
    HWND window_;
};
