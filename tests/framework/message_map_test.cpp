#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "framework/button.h"
#include "framework/combo_box.h"
#include "framework/dialog.h"
#include "framework/paint_dc.h"
#include "framework/static.h"
#include "res/resource.h"
#include "tests/support/dialog_driver.h"

// Message maps route each message to its row's handler, and unhandled ones, or
// handlers that ask for it, to the system's dialog handling.
namespace {

class MappedDialog : public CDialog {
public:
    MappedDialog() : CDialog(IDD_VIDEO_OPTIONS) {}
    std::vector<std::string> calls;
    UINT sysCommand = 0;
    const HCURSOR dragIcon = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW

protected:
    void DoDataExchange(CDataExchange* pDX) override {
        DDX_Control(pDX, IDC_WINDOWED, m_windowed);
        DDX_Control(pDX, IDC_RENDERER_COMBO, m_renderer);
    }
    void OnWindowedClicked() { calls.push_back("clicked"); }
    void OnWindowedDoubleClicked() { calls.push_back("double-clicked"); }
    void OnRendererChange() { calls.push_back("selchange"); }
    void OnPaint() {
        calls.push_back("paint");
        CPaintDC dc(this);
    }
    void OnSysCommand(UINT nID, LPARAM) {
        sysCommand = nID;
        Default();
    }
    HCURSOR OnQueryDragIcon() { return dragIcon; }
    void OnClose() {
        calls.push_back("close");
        Default();  // a dialog's default close is Cancel
    }
    void OnOK() override { calls.push_back("ok"); }
    void OnCancel() override {
        calls.push_back("cancel");
        CDialog::OnCancel();
    }

    DECLARE_MESSAGE_MAP()

    CButton m_windowed;
    CComboBox m_renderer;
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
        Command(window, IDC_WINDOWED, BN_SETFOCUS);        // no row
        Command(window, IDC_RENDERER_COMBO, CBN_SELCHANGE);
        Command(window, IDC_RESOLUTION_COMBO, CBN_SELCHANGE);  // no row
        Command(window, IDOK, BN_CLICKED);                  // the base class's row, to the override
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

TEST(MessageMap, UnmappedMessagesGetTheSystemsDialogHandling) {
    CDialog dialog(IDD_LANGUAGE);
    LRESULT defaultId = 0;
    RunDialogAndAct(dialog, [&](HWND window) {
        defaultId = SendMessageA(window, DM_GETDEFID, 0, 0);
        PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
    });
    EXPECT_EQ(LOWORD(defaultId), IDOK);
    EXPECT_EQ(HIWORD(defaultId), DC_HASDEFID);
}

// The control wrappers, on controls bound to members.
class ControlsDialog : public CDialog {
public:
    ControlsDialog() : CDialog(IDD_VIDEO_OPTIONS) {}
    bool bound = false;
    int countAfterAdd = 0, countAfterReset = -1, selected = -2;
    DWORD_PTR data = 0, missingData = 0;
    std::string secondText, missingText = "x";
    int checkedWindowed = -1, checkedAfterUncheck = -1;
    bool disabled = false, hidden = false;
    std::string label;

    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        bound = m_list.m_hWnd && m_radio.m_hWnd && m_label.m_hWnd;
        m_list.AddString("320 X 240");
        m_list.AddString("640 X 480");
        m_list.SetItemData(1, (480u << 16) | 640u);
        countAfterAdd = m_list.GetCount();
        m_list.SetCurSel(1);
        selected = m_list.GetCurSel();
        data = m_list.GetItemData(selected);
        missingData = m_list.GetItemData(5);
        CString text;
        m_list.GetLBText(1, text);
        secondText = text;
        m_list.GetLBText(5, text);
        missingText = text;
        m_list.ResetContent();
        countAfterReset = m_list.GetCount();

        m_radio.SetCheck(BST_CHECKED);
        checkedWindowed = m_radio.GetCheck();
        m_radio.SetCheck(BST_UNCHECKED);
        checkedAfterUncheck = m_radio.GetCheck();
        m_radio.EnableWindow(FALSE);
        disabled = !::IsWindowEnabled(m_radio.m_hWnd);
        m_radio.ShowWindow(SW_HIDE);
        hidden = !(::GetWindowLongA(m_radio.m_hWnd, GWL_STYLE) & WS_VISIBLE);
        m_label.SetWindowText("Renderer");
        char buffer[32] = "";
        ::GetWindowTextA(m_label.m_hWnd, buffer, sizeof(buffer));
        label = buffer;
        EndDialog(IDOK);
        return TRUE;
    }

protected:
    void DoDataExchange(CDataExchange* pDX) override {
        DDX_Control(pDX, IDC_RESOLUTION_COMBO, m_list);
        DDX_Control(pDX, IDC_WINDOWED, m_radio);
        DDX_Control(pDX, IDC_RENDERER_LABEL, m_label);
    }
    CComboBox m_list;
    CButton m_radio;
    CStatic m_label;
};

TEST(Controls, WrappersDriveTheBoundControls) {
    ControlsDialog dialog;
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_TRUE(dialog.bound);
    EXPECT_EQ(dialog.countAfterAdd, 2);
    EXPECT_EQ(dialog.selected, 1);
    EXPECT_EQ(dialog.data, (480u << 16) | 640u);
    EXPECT_EQ(dialog.missingData, DWORD_PTR(CB_ERR));
    EXPECT_EQ(dialog.secondText, "640 X 480");
    EXPECT_EQ(dialog.missingText, "");
    EXPECT_EQ(dialog.countAfterReset, 0);
    EXPECT_EQ(dialog.checkedWindowed, BST_CHECKED);
    EXPECT_EQ(dialog.checkedAfterUncheck, BST_UNCHECKED);
    EXPECT_TRUE(dialog.disabled);
    EXPECT_TRUE(dialog.hidden);
    EXPECT_EQ(dialog.label, "Renderer");
}

TEST(Controls, DdxControlReportsAMissingControl) {
    struct Missing : CDialog {
        Missing() : CDialog(IDD_LANGUAGE) {}
        bool found = true;
        void DoDataExchange(CDataExchange* pDX) override { found = DDX_Control(pDX, IDC_PLAY, control); }
        BOOL OnInitDialog() override {
            CDialog::OnInitDialog();
            EndDialog(IDOK);
            return TRUE;
        }
        CWnd control;
    } dialog;
    dialog.DoModal();
    EXPECT_FALSE(dialog.found);
}

}  // namespace
