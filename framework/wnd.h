#pragma once
// Our thin layer over USER32, with the class names the launcher's design uses. Every
// window class of it derives from CWnd, declared here.
//
// Conventions:
// - What the user reads is UTF-16 (CString, the ...W calls, dialogs built as Unicode
//   windows): string-table texts (CString::LoadString) or the system's own texts.
//   Everything else (paths, class names, the registry) is char strings in the system's
//   ANSI code page through the ...A calls, as the game reads its files that way.
// - A CWnd is a handle plus behaviour. Windows we build (dialogs, frames) keep their
//   object in GWLP_USERDATA; controls are only attached (DDX_Control), never
//   subclassed, and their wrappers are one SendMessage each.
// - Messages are routed by one static procedure per kind of window into the class's
//   message map (message_map.h). Unhandled messages get the system's default
//   handling; a handler may ask for it early with Default().
// - An object is finished (PostNcDestroy, a frame's self-delete) only after its
//   window's last message and once the outermost of its messages has returned.
// - No exception leaves a window or dialog procedure: one that reaches it ends a
//   modal dialog with -1 or falls back to default handling.
// - Calls return BOOL/bool or the handle; the caller decides what a failure means.
// - One user-interface thread; nothing here is thread-safe.
//
// CWnd: a window handle with the members the launcher calls, and the routing of a
// window's messages through its class's message map.
#ifdef UNICODE
#error "the framework names its A and W calls itself: build without UNICODE"
#endif
#include <windows.h>

#include "framework/cstring.h"
#include "framework/message_map.h"

class CWnd {
public:
    CWnd() = default;
    virtual ~CWnd();
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    void SetWindowText(const wchar_t* text) { ::SetWindowTextW(m_hWnd, text); }
    BOOL EnableWindow(BOOL enable = TRUE) { return ::EnableWindow(m_hWnd, enable); }
    BOOL IsWindowVisible() const { return ::IsWindowVisible(m_hWnd); }
    BOOL IsIconic() const { return ::IsIconic(m_hWnd); }
    void GetClientRect(RECT* rect) const { ::GetClientRect(m_hWnd, rect); }
    // In UTF-16 where the message carries text.
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return ::SendMessageW(m_hWnd, message, wParam, lParam);
    }
    // Every GetDC is paired with a ReleaseDC of the same window.
    HDC GetDC() { return ::GetDC(m_hWnd); }
    int ReleaseDC(HDC dc) { return ::ReleaseDC(m_hWnd, dc); }
    int MessageBox(const wchar_t* text, const wchar_t* caption = nullptr, UINT type = MB_OK) {
        return ::MessageBoxW(m_hWnd, text, caption, type);
    }
    virtual BOOL DestroyWindow();

    HWND m_hWnd = nullptr;

protected:
    // Routes one message through the message maps; true when a row handled it.
    virtual bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    // What the window does with a message nobody handles.
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // The default processing of the message being handled, at once; for handlers
    // that add to what the system does rather than replace it.
    LRESULT Default();
    // Called after the window's last message (WM_NCDESTROY), once no message of this
    // object is running any more (see InUse); m_hWnd is already NULL. May delete the object.
    virtual void PostNcDestroy() {}

    static const MessageMap* GetThisMessageMap();
    virtual const MessageMap* GetMessageMap() const;

    // Message-map handlers whose own work is the default processing.
    void OnClose() { Default(); }
    void OnPaint() { Default(); }
    void OnSysCommand(UINT, LPARAM) { Default(); }
    HCURSOR OnQueryDragIcon() { return reinterpret_cast<HCURSOR>(Default()); }

    // Binds `window` to this object for the static procedures below.
    void Bind(HWND window);
    static CWnd* FromBound(HWND window);
    // The whole dispatch of one message, with the current message kept for Default.
    bool Dispatch(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    // After WM_NCDESTROY: lets go of the window and asks for PostNcDestroy.
    void ReleaseDestroyedWindow(HWND window);

    // Held by the window procedures for each message and by the framework's calls that
    // outlive a window (creation, the modal loop): a window that ends meanwhile gets its
    // PostNcDestroy, which may delete the object, only when the last hold is released,
    // so no caller up the stack is left with a deleted object.
    class InUse {
    public:
        explicit InUse(CWnd& wnd) : m_wnd(wnd) { ++wnd.m_useCount; }
        ~InUse();
        InUse(const InUse&) = delete;
        InUse& operator=(const InUse&) = delete;

    private:
        CWnd& m_wnd;
    };
    bool m_destroyPending = false;  // the window is gone, PostNcDestroy waits for the holds

    friend LRESULT CALLBACK FrameworkWindowProc(HWND, UINT, WPARAM, LPARAM);

private:
    struct CurrentMessage {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
    };
    CurrentMessage m_current = {};
    int m_useCount = 0;
};

// The window procedure of windows built by CWnd subclasses (CFrameWnd::Create): it
// finds the object from the CREATESTRUCT and then from GWLP_USERDATA.
LRESULT CALLBACK FrameworkWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
inline WNDPROC AfxGetAfxWndProc() { return FrameworkWindowProc; }
