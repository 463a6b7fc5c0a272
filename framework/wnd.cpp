#include "framework/wnd.h"

CWnd::~CWnd() {
    // A window still bound to a dying object must not reach it any more.
    if (m_hWnd && FromBound(m_hWnd) == this) {
        ::SetWindowLongPtrA(m_hWnd, GWLP_USERDATA, 0);
        ::DestroyWindow(m_hWnd);
    }
}

BOOL CWnd::DestroyWindow() { return m_hWnd ? ::DestroyWindow(m_hWnd) : FALSE; }

const MessageMap* CWnd::GetThisMessageMap() {
    static const MessageMapEntry entries[] = {{0, 0, 0, nullptr}};
    static const MessageMap map = {nullptr, entries};
    return &map;
}

const MessageMap* CWnd::GetMessageMap() const { return GetThisMessageMap(); }

namespace {

bool Matches(const MessageMapEntry& entry, UINT message, WPARAM wParam) {
    if (entry.message != message) return false;
    if (message != WM_COMMAND) return true;
    return entry.id == LOWORD(wParam) && entry.code == HIWORD(wParam);
}

}  // namespace

bool CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    for (const MessageMap* map = GetMessageMap(); map; map = map->base) {
        for (const MessageMapEntry* entry = map->entries; entry->call; ++entry) {
            if (!Matches(*entry, message, wParam)) continue;
            *result = entry->call(*this, wParam, lParam);
            return true;
        }
    }
    return false;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    return ::DefWindowProcA(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default() { return DefWindowProc(m_current.message, m_current.wParam, m_current.lParam); }

void CWnd::Bind(HWND window) {
    m_hWnd = window;
    ::SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

CWnd* CWnd::FromBound(HWND window) { return reinterpret_cast<CWnd*>(::GetWindowLongPtrA(window, GWLP_USERDATA)); }

bool CWnd::Dispatch(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    // Handlers may send messages to their own window: the outer handler's Default()
    // needs the outer message back, also when an exception leaves the inner one.
    struct Restore {
        CWnd& wnd;
        CurrentMessage outer;
        ~Restore() { wnd.m_current = outer; }
    } restore{*this, m_current};
    m_current = {message, wParam, lParam};
    return OnWndMsg(message, wParam, lParam, result);
}

void CWnd::ReleaseDestroyedWindow(HWND window) {
    ::SetWindowLongPtrA(window, GWLP_USERDATA, 0);
    m_hWnd = nullptr;
    m_destroyPending = true;
}

CWnd::InUse::~InUse() {
    if (--m_wnd.m_useCount > 0 || !m_wnd.m_destroyPending) return;
    m_wnd.m_destroyPending = false;
    try {
        m_wnd.PostNcDestroy();  // may delete the object: nothing touches it after this
    } catch (...) {
        // Runs inside a window procedure or a destructor: nothing may leave it.
    }
}

LRESULT CALLBACK FrameworkWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        if (auto* self = static_cast<CWnd*>(create->lpCreateParams)) self->Bind(window);
    }
    CWnd* self = CWnd::FromBound(window);
    if (!self) return ::DefWindowProcA(window, message, wParam, lParam);

    LRESULT result = 0;
    CWnd::InUse inUse(*self);
    try {
        if (!self->Dispatch(message, wParam, lParam, &result)) result = self->DefWindowProc(message, wParam, lParam);
    } catch (...) {
        // Nothing may unwind through USER32; the message falls back to the system's handling.
        result = ::DefWindowProcA(window, message, wParam, lParam);
    }
    if (message == WM_NCDESTROY) self->ReleaseDestroyedWindow(window);
    return result;  // the hold ends here, after the result was taken
}
