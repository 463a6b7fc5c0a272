// The hidden marker window: a frame of class "VESKA Demo" that is never shown and
// handles nothing; a second launcher finds it by its class and ends.
#include <new>

#include "framework/instance.h"
#include "launcher/launcher_dlg.h"
#include "launcher/window_classes.h"

bool CLauncherDlg::CreateMarkerWindow() {
    DestroyMarkerWindow();  // a marker left from an earlier call goes first

    WNDCLASSA windowClass = {};
    windowClass.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
    windowClass.lpfnWndProc = AfxGetAfxWndProc();
    windowClass.hInstance = AfxGetInstanceHandle();
    windowClass.hIcon = m_hIcon;
    windowClass.lpszClassName = kMarkerWindowClass;
    if (!::RegisterClassA(&windowClass)) return false;

    m_pMarkerWnd = new (std::nothrow) CFrameWnd;
    if (!m_pMarkerWnd) {
        DestroyMarkerWindow();
        return false;
    }
    if (m_pMarkerWnd->Create(kMarkerWindowClass, "", WS_OVERLAPPEDWINDOW, CFrameWnd::rectDefault, nullptr)) return true;
    // The object is still ours when its window was never made.
    delete m_pMarkerWnd;
    m_pMarkerWnd = nullptr;
    DestroyMarkerWindow();
    return false;
}

BOOL CLauncherDlg::DestroyMarkerWindow() {
    if (m_pMarkerWnd) {
        // The frame deletes its own object once its window is gone.
        m_pMarkerWnd->DestroyWindow();
        m_pMarkerWnd = nullptr;
    }
    // Unregistered also when it was never registered; that failure means nothing.
    return ::UnregisterClassA(kMarkerWindowClass, AfxGetInstanceHandle());
}
