#include "framework/dialog.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "framework/instance.h"
#include "framework/win_app.h"

bool DDX_Control(CDataExchange* pDX, int id, CWnd& control) {
    control.m_hWnd = ::GetDlgItem(pDX->m_pDlgWnd->m_hWnd, id);
    if (!control.m_hWnd) return false;
    std::vector<CWnd*>* attached = pDX->m_pAttached;
    if (attached && std::find(attached->begin(), attached->end(), &control) == attached->end())
        attached->push_back(&control);
    return true;
}

CDialog::CDialog(UINT templateId, CWnd* pParent) : m_templateId(templateId), m_pParentWnd(pParent) {}

BEGIN_MESSAGE_MAP(CDialog, CWnd)
    ON_WM_INITDIALOG()
    ON_COMMAND(IDOK, OnOK)
    ON_COMMAND(IDCANCEL, OnCancel)
END_MESSAGE_MAP()

BOOL CDialog::OnInitDialog() {
    CDataExchange exchange{this, &m_attachedControls};
    DoDataExchange(&exchange);
    return TRUE;
}

void CDialog::DetachControls() {
    // A dialog object outlives its windows (it may be run again): its controls must
    // not keep handles the system may give to other windows.
    for (CWnd* control : m_attachedControls) control->m_hWnd = nullptr;
    m_attachedControls.clear();
}

void CDialog::EndDialog(int result) {
    m_modalResult = result;
    if (m_continueModal) {
        m_continueModal = false;
        // Wakes the loop when we were called from a message sent by another thread,
        // which GetMessage handles without returning.
        if (m_hWnd) ::PostMessageW(m_hWnd, WM_NULL, 0, 0);
    }
}

LRESULT CDialog::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    // DefDlgProcW first offers the message to our dialog procedure, which must decline
    // it this once so that the system's own dialog handling runs.
    m_defaultPending = true;
    const LRESULT result = ::DefDlgProcW(m_hWnd, message, wParam, lParam);
    m_defaultPending = false;
    return result;
}

namespace {

// Messages whose dialog-procedure result is the message result itself rather than a
// handled flag with the result in DWLP_MSGRESULT.
bool ReturnsResultDirectly(UINT message) {
    switch (message) {
        case WM_INITDIALOG:  // TRUE: the system sets the focus
        case WM_CHARTOITEM:
        case WM_COMPAREITEM:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLORDLG:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORSCROLLBAR:
        case WM_CTLCOLORSTATIC:
        case WM_QUERYDRAGICON:
        case WM_VKEYTOITEM: return true;
        default: return false;
    }
}

}  // namespace

INT_PTR CALLBACK CDialog::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG && lParam) reinterpret_cast<CDialog*>(lParam)->Bind(window);
    auto* self = static_cast<CDialog*>(FromBound(window));
    if (!self) return FALSE;  // messages before WM_INITDIALOG
    if (self->m_defaultPending) {
        self->m_defaultPending = false;
        return FALSE;
    }
    LRESULT result = 0;
    bool handled = false;
    {
        InUse inUse(*self);
        try {
            handled = self->Dispatch(message, wParam, lParam, &result);
        } catch (...) {
            self->EndDialog(-1);  // nothing may unwind through USER32
        }
        if (message == WM_NCDESTROY) {
            self->ReleaseDestroyedWindow(window);
            self->DetachControls();
        }
    }  // may have finished the object
    if (!handled) return FALSE;
    if (ReturnsResultDirectly(message)) return static_cast<INT_PTR>(result);
    ::SetWindowLongPtrA(window, DWLP_MSGRESULT, result);
    return TRUE;
}

HWND CDialog::FindOwner() const {
    // As the system's modal dialogs do: the top-level window of the parent, or of the
    // application's main window when no parent was given.
    const CWnd* parent = m_pParentWnd;
    if (!parent) {
        const CWnd* mainWnd = AfxGetMainWnd();
        if (mainWnd != this) parent = mainWnd;
    }
    if (!parent || !parent->m_hWnd || !::IsWindow(parent->m_hWnd)) return nullptr;
    return ::GetAncestor(parent->m_hWnd, GA_ROOT);
}

INT_PTR CDialog::DoModal() {
    const HINSTANCE instance = AfxGetInstanceHandle();
    const HRSRC found = ::FindResourceA(instance, MAKEINTRESOURCEA(m_templateId), RT_DIALOG);
    const HGLOBAL loaded = found ? ::LoadResource(instance, found) : nullptr;
    const void* bytes = loaded ? ::LockResource(loaded) : nullptr;
    const DWORD size = found ? ::SizeofResource(instance, found) : 0;
    constexpr DWORD kMaxTemplateSize = 0x10000;  // far above any of ours; keeps the copy's size exact
    if (!bytes || size < sizeof(DLGTEMPLATE) || size > kMaxTemplateSize) return -1;

    // Build from a copy without WS_VISIBLE: the loop shows the window once it is idle.
    std::vector<DWORD> copy((size + 3) / 4);
    std::memcpy(copy.data(), bytes, size);
    const bool extended = HIWORD(copy[0]) == 0xFFFF;  // DLGTEMPLATEEX: dlgVer 1, signature 0xFFFF
    if (extended && size < 16) return -1;
    DWORD& style = extended ? copy[3] : copy[0];
    style &= ~static_cast<DWORD>(WS_VISIBLE);

    InUse inUse(*this);  // PostNcDestroy waits until we are done with the object
    const HWND owner = FindOwner();
    const bool ownerWasEnabled = owner && ::IsWindowEnabled(owner);
    if (ownerWasEnabled) ::EnableWindow(owner, FALSE);

    m_modalResult = -1;
    m_continueModal = true;
    // A Unicode window: its texts are kept and passed on in UTF-16.
    const HWND window = ::CreateDialogIndirectParamW(instance, reinterpret_cast<const DLGTEMPLATE*>(copy.data()), owner,
                                                     DialogProc, reinterpret_cast<LPARAM>(this));
    if (window) {
        // An owned window has no taskbar button, and one whose owner is still hidden
        // could then be found only by Alt+Tab behind other programs' windows.
        const bool ownerHidden = owner && !::IsWindowVisible(owner);
        if (ownerHidden)
            ::SetWindowLongPtrA(window, GWL_EXSTYLE, ::GetWindowLongPtrA(window, GWL_EXSTYLE) | WS_EX_APPWINDOW);
        RunModalLoop(ownerHidden);
        // Hide before the owner is enabled, so activation goes back to the owner.
        ::SetWindowPos(window, nullptr, 0, 0, 0, 0,
                       SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER);
    }
    m_continueModal = false;
    if (ownerWasEnabled) ::EnableWindow(owner, TRUE);
    if (window) {
        if (owner && ::GetActiveWindow() == window) ::SetActiveWindow(owner);
        ::DestroyWindow(window);
    }
    m_hWnd = nullptr;
    DetachControls();
    return m_modalResult;
}

void CDialog::RunModalLoop(bool bringToFront) {
    bool showPending = true;
    MSG msg;
    while (m_continueModal && m_hWnd) {
        if (showPending && !::PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
            showPending = false;
            ::ShowWindow(m_hWnd, SW_SHOWNORMAL);
            if (bringToFront) ::SetForegroundWindow(m_hWnd);
            ::UpdateWindow(m_hWnd);
            continue;
        }
        const BOOL got = ::GetMessageW(&msg, nullptr, 0, 0);
        if (got == 0) {
            // The quit message belongs to the loop outside this dialog: leave it there.
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            m_modalResult = -1;
            return;
        }
        if (got == -1) {
            m_modalResult = -1;
            return;
        }
        if (!::IsDialogMessageW(m_hWnd, &msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
    }
}
