#include "framework/frame_wnd.h"

#include "framework/instance.h"

const RECT CFrameWnd::rectDefault = {CW_USEDEFAULT, CW_USEDEFAULT, 0, 0};

BOOL CFrameWnd::Create(const char* className, const char* windowName, DWORD style, const RECT& rect, CWnd* pParent) {
    const bool systemChooses = rect.left == CW_USEDEFAULT;
    const int x = systemChooses ? CW_USEDEFAULT : rect.left;
    const int y = systemChooses ? CW_USEDEFAULT : rect.top;
    const int width = systemChooses ? CW_USEDEFAULT : rect.right - rect.left;
    const int height = systemChooses ? CW_USEDEFAULT : rect.bottom - rect.top;
    // Held through the creation: a window that ends during it must not delete the
    // object its caller still holds.
    InUse inUse(*this);
    m_destroyPending = false;  // a window of ours that ended under an outer message is replaced
    const HWND window = ::CreateWindowExA(0, className, windowName, style, x, y, width, height,
                                          pParent ? pParent->m_hWnd : nullptr, nullptr, AfxGetInstanceHandle(), this);
    if (window && m_hWnd == window) return TRUE;
    // The class routes its messages elsewhere, so this object would never learn of
    // the window's end: refuse it rather than leave it unowned.
    if (window && !m_destroyPending) ::DestroyWindow(window);
    m_destroyPending = false;  // it ended during its creation: the object stays the caller's
    return FALSE;
}
