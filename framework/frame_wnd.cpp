#include "framework/frame_wnd.h"

#include "framework/instance.h"

const RECT CFrameWnd::rectDefault = {CW_USEDEFAULT, CW_USEDEFAULT, 0, 0};

BOOL CFrameWnd::Create(const char* className, const char* windowName, DWORD style, const RECT& rect, CWnd* pParent) {
    const bool systemChooses = rect.left == CW_USEDEFAULT;
    const int x = systemChooses ? CW_USEDEFAULT : rect.left;
    const int y = systemChooses ? CW_USEDEFAULT : rect.top;
    const int width = systemChooses ? CW_USEDEFAULT : rect.right - rect.left;
    const int height = systemChooses ? CW_USEDEFAULT : rect.bottom - rect.top;
    const HWND window = ::CreateWindowExA(0, className, windowName, style, x, y, width, height,
                                          pParent ? pParent->m_hWnd : nullptr, nullptr, AfxGetInstanceHandle(), this);
    if (window && m_hWnd != window) {
        // The class routes its messages elsewhere, so this object would never learn of
        // the window's end: refuse it rather than leave it unowned.
        ::DestroyWindow(window);
        return FALSE;
    }
    return window != nullptr;
}
