// The hidden marker window: a frame of class "VESKA Demo" that is never shown; a second
// launcher finds it by its class, activates it and ends.
#include <new>

#include "framework/instance.h"
#include "framework/message_map.h"
#include "launcher/launcher_dlg_win.h"
#include "launcher/window_classes.h"

namespace {

// Activating a hidden window shows the player nothing, so the marker hands its
// activation on to the dialog it belongs to, or to that dialog's open popup. This
// process owns the foreground at that moment, so the system lets it do so.
class CMarkerWnd : public CFrameWnd {
public:
    explicit CMarkerWnd(HWND dialog) : m_dialog(dialog) {}

    void OnActivate(UINT state, HWND, BOOL) {
        Default();
        if (state == WA_INACTIVE || !::IsWindow(m_dialog)) return;
        if (::IsIconic(m_dialog)) ::ShowWindow(m_dialog, SW_RESTORE);
        ::SetForegroundWindow(::GetLastActivePopup(m_dialog));
    }

    DECLARE_MESSAGE_MAP()

private:
    HWND m_dialog;
};

BEGIN_MESSAGE_MAP(CMarkerWnd, CFrameWnd)
    ON_WM_ACTIVATE()
END_MESSAGE_MAP()

}  // namespace

bool CLauncherDlg::CreateMarkerWindow() {
    DestroyMarkerWindow();  // a marker left from an earlier call goes first

    WNDCLASSA windowClass = {};
    windowClass.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
    windowClass.lpfnWndProc = AfxGetAfxWndProc();
    windowClass.hInstance = AfxGetInstanceHandle();
    windowClass.hIcon = m_hIcon;
    windowClass.lpszClassName = kMarkerWindowClass;
    if (!::RegisterClassA(&windowClass)) return false;

    m_pMarkerWnd = new (std::nothrow) CMarkerWnd(m_hWnd);
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
