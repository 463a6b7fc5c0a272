#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "framework/button.h"
#include "framework/combo_box.h"
#include "framework/dialog.h"
#include "framework/paint_dc.h"
#include "res/resource.h"
#include "tests/support/dialog_driver.h"

// Message maps route each message to its row's handler, and unhandled ones, or
// handlers that ask for it, to the system's dialog handling.
namespace {

struct MappedDialog : CDialog {
    MappedDialog() : CDialog(IDD_VIDEO_OPTIONS) {}
    std::vector<std::string> calls;
    UINT sysCommand = 0;
    const HCURSOR dragIcon = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
    CButton m_windowed;
    CComboBox m_renderer;

    void DoDataExchange(CDataExchange* pDX) override {
        DDX_Control(pDX, IDC_WINDOWED, m_windowed);
        DDX_Control(pDX, IDC_RENDERER_COMBO, m_renderer);
    }
    void OnWindowedClicked() { calls.push_back("clicked"); }
    void OnWindowedDoubleClicked() { calls.push_back("double-clicked"); }
    void OnRendererChange() { calls.push_back("selchange"); }
    void OnPaint() { calls.push_back("paint"); CPaintDC dc(this); }
    void OnSysCommand(UINT nID, LPARAM) { sysCommand = nID; Default(); }
    HCURSOR OnQueryDragIcon() { return dragIcon; }
    void OnClose() { calls.push_back("close"); Default(); }  // a dialog's default close is Cancel
    void OnOK() override { calls.push_back("ok"); }
    void OnCancel() override { calls.push_back("cancel"); CDialog::OnCancel(); }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(MappedDialog, CDialog)
    ON_WM_SYSCOMMAND()
    ON_WM_PAINT()
    ON_WM_QUERYDRAGICON()
    ON_WM_CLOSE()
    ON_BN_CLICKED(IDC_WINDOWED, OnWindowedClicked)
    ON_BN_DOUBLECLICKED(IDC_WINDOWED, OnWindowedDoubleClicked)
    ON_CBN_SELCHANGE(IDC_RENDERER_COMBO, OnRendererChange)
END_MESSAGE_MAP()

void Command(HWND dialog, int id, int code) {
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

TEST(MessageMap, EachRowReachesItsHandlerAndCloseEndsAsCancel) {
    MappedDialog dialog;
    LRESULT dragIcon = 0;
    std::vector<std::string> before;
    const INT_PTR result = RunDialogAndAct(dialog, [&](HWND window) {
        dialog.calls.clear();  // the first painting is done
        Command(window, IDC_WINDOWED, BN_CLICKED);
        Command(window, IDC_WINDOWED, BN_DOUBLECLICKED);
        Command(window, IDC_WINDOWED, BN_SETFOCUS);            // no row
        Command(window, IDC_RENDERER_COMBO, CBN_SELCHANGE);
        Command(window, IDC_RESOLUTION_COMBO, CBN_SELCHANGE);  // no row
        Command(window, IDOK, BN_CLICKED);                     // the base class's row, to the override
        InvalidateRect(window, nullptr, TRUE);
        UpdateWindow(window);
        dragIcon = SendMessageA(window, WM_QUERYDRAGICON, 0, 0);
        before = dialog.calls;
        // The system menu's Close: WM_SYSCOMMAND, by default WM_CLOSE, by default IDCANCEL.
        PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    });
    EXPECT_EQ(before, (std::vector<std::string>{"clicked", "double-clicked", "selchange", "ok", "paint"}));
    EXPECT_EQ(reinterpret_cast<HCURSOR>(dragIcon), dialog.dragIcon);
    EXPECT_EQ(dialog.sysCommand, UINT(SC_CLOSE));
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(dialog.calls.back(), "cancel");
    EXPECT_EQ(dialog.calls.at(dialog.calls.size() - 2), "close");
}

}  // namespace
