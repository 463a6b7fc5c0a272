#pragma once
// The launcher's one window: the picture with its column of buttons. Its
// OnInitDialog is the second half of start-up and decides whether it shows at all.
// Its members live in launcher_dlg_win.cpp, except the marker window (marker_window_win.cpp),
// Play and the installer (play_action_win.cpp), Settings (settings_action_win.cpp), and Read
// me, the web site and the manual (document_actions_win.cpp).
#include <windows.h>

#include "framework/button.h"
#include "framework/dialog.h"
#include "framework/frame_wnd.h"
#include "framework/static.h"

class CLauncherDlg : public CDialog {
public:
    explicit CLauncherDlg(CWnd* pParent = nullptr);
    ~CLauncherDlg() override;

    // Detects the hardware, then hands over to the installed copy, ends silently,
    // or prepares the settings (asking for the language on a first start from the
    // CD-ROM). TRUE when the dialog is to be shown.
    BOOL OnInitDialog() override;

protected:
    // Caption, button labels and the picture in the current language.
    void LocalizeControls();

    // The hidden window by which the next launcher finds this one.
    bool CreateMarkerWindow();
    BOOL DestroyMarkerWindow();

    // The message map's handlers: only the dialog's own messages call them.
    void OnSysCommand(UINT nID, LPARAM lParam);
    void OnPaint();
    HCURSOR OnQueryDragIcon();
    void OnClose();
    void OnQuit();
    void OnPlay();
    void OnPlayDoubleClicked();
    void OnSettings();
    void OnManual();
    void OnReadme();
    void OnWebsite();

    void DoDataExchange(CDataExchange* pDX) override;

    CButton m_btnReadme;
    CButton m_btnWebsite;
    CButton m_btnSettings;
    CButton m_btnQuit;
    CButton m_btnPlay;
    CButton m_btnManual;
    CStatic m_background;
    HICON m_hIcon;
    CFrameWnd* m_pMarkerWnd;

private:
    void StartInstaller();
    void FitPictureToClientArea();
    HBITMAP m_titlePicture = nullptr;  // the language's picture we set on the background
    bool m_painted = false;            // the start-up trace marks the first paint only

    DECLARE_MESSAGE_MAP()
};
