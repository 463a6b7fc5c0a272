#pragma once
// CDialog: a modal dialog built from a dialog template of this module, run by our
// own modal loop (see DoModal), with controls bound to members by DDX_Control.
#include <windows.h>

#include <vector>

#include "framework/wnd.h"

class CDataExchange {
public:
    CWnd* m_pDlgWnd;
    std::vector<CWnd*>* m_pAttached;  // where DDX_Control lists what it attached; may be null
};

// Attaches dialog control `id` to `control` (no subclassing); false when the dialog
// has no such control. Runs on every DoModal, since each builds fresh controls; the
// control lets go of its window (m_hWnd NULL) when the dialog's window is destroyed.
bool DDX_Control(CDataExchange* pDX, int id, CWnd& control);

class CDialog : public CWnd {
public:
    explicit CDialog(UINT templateId, CWnd* pParent = nullptr);

    // Creates the dialog from its template and runs the modal loop until EndDialog or
    // WM_QUIT. The window is first shown when the loop finds no message waiting, so a
    // quit message posted by OnInitDialog ends the dialog before it is ever visible;
    // the quit message is then posted again for the loop that called us. Returns the
    // EndDialog result, or -1 when the template is missing, the window could not be
    // built, or WM_QUIT ended the loop. Once a window was built, PostNcDestroy runs as
    // DoModal returns. While its owner is hidden, the dialog has a taskbar button of its
    // own and comes to the front.
    virtual INT_PTR DoModal();

    // Ends the modal loop with `result`; the window is destroyed when DoModal returns.
    void EndDialog(int result);

    // Binds the controls (DoDataExchange). TRUE gives the focus to the first tab stop.
    // Runs as the handler of WM_INITDIALOG, so Default() is allowed in it.
    virtual BOOL OnInitDialog();

protected:
    virtual void DoDataExchange(CDataExchange*) {}
    virtual void OnOK() { EndDialog(IDOK); }
    virtual void OnCancel() { EndDialog(IDCANCEL); }

    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    DECLARE_MESSAGE_MAP()

private:
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void RunModalLoop(bool bringToFront);
    HWND FindOwner() const;
    void DetachControls();

    UINT m_templateId;
    CWnd* m_pParentWnd;
    bool m_continueModal = false;
    INT_PTR m_modalResult = -1;
    bool m_defaultPending = false;          // DefDlgProcA is asking us on behalf of Default()
    std::vector<CWnd*> m_attachedControls;  // by DDX_Control, for the current window
};
