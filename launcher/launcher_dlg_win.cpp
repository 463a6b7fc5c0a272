#include "launcher/launcher_dlg_win.h"

#include <string>
#include <utility>

#include "dialogs/language_dlg_win.h"
#include "framework/instance.h"
#include "framework/message_map.h"
#include "framework/paint_dc.h"
#include "launcher/document_places.h"
#include "launcher/hand_over_win.h"
#include "launcher/single_instance_win.h"
#include "launcher/state_steps_win.h"
#include "res/localized_text_win.h"
#include "res/resource.h"
#include "settings/config_file.h"
#include "settings/ini_file.h"
#include "settings/install_location_win.h"
#include "state/launcher_state.h"
#include "state/trace.h"

namespace {

// The scene with the language's title logo; Italian shares the English one.
UINT TitlePictureId(int32_t languageIndex) {
    switch (languageIndex) {
        case French: return IDB_TITLE_FRENCH;
        case German: return IDB_TITLE_GERMAN;
        case Spanish: return IDB_TITLE_SPANISH;
        case Dutch: return IDB_TITLE_DUTCH;
        default: return IDB_TITLE_ENGLISH;
    }
}

bool IsInstalled() { return gameExePath[0] != '\0'; }

// An installation that no ANSI path can name looks missing; rather than ending or
// offering Install without a word, the player is told which folder it is, in the
// system's language, as no record has been read yet.
void ReportUnnamedInstallFolder() {
    std::wstring folder;
    if (!FindUnnamedInstallFolder(folder)) return;
    const int32_t language = LanguageFromSystem(::GetSystemDefaultLangID());
    std::wstring text = static_cast<const wchar_t*>(LoadMessage(IDS_UNNAMED_FOLDER, language));
    const size_t at = text.find(L"%1");
    if (at != std::wstring::npos) text.replace(at, 2, folder);
    ::MessageBoxW(nullptr, text.c_str(), LoadMessage(IDS_TITLE, language), MB_OK);
}

// The static control stretches a picture by dropping whole lines and columns; a copy
// already of the control's size, scaled with halftone, leaves it nothing to stretch.
// Takes `picture` and returns the one to use; the original where scaling fails.
HBITMAP FitPictureToControl(HBITMAP picture, HWND control) {
    RECT area;
    BITMAP size;
    if (!::GetClientRect(control, &area) || area.right <= 0 || area.bottom <= 0 ||
        !::GetObjectA(picture, sizeof size, &size) || (size.bmWidth == area.right && size.bmHeight == area.bottom))
        return picture;
    const HDC screen = ::GetDC(nullptr);
    const HDC from = ::CreateCompatibleDC(screen);
    const HDC to = ::CreateCompatibleDC(screen);
    HBITMAP scaled = ::CreateCompatibleBitmap(screen, area.right, area.bottom);
    if (from && to && scaled) {
        const HGDIOBJ fromBefore = ::SelectObject(from, picture);
        const HGDIOBJ toBefore = ::SelectObject(to, scaled);
        ::SetStretchBltMode(to, HALFTONE);
        ::SetBrushOrgEx(to, 0, 0, nullptr);  // as HALFTONE asks after the mode is set
        const bool drawn =
            ::StretchBlt(to, 0, 0, area.right, area.bottom, from, 0, 0, size.bmWidth, size.bmHeight, SRCCOPY);
        ::SelectObject(from, fromBefore);
        ::SelectObject(to, toBefore);
        if (drawn) std::swap(picture, scaled);
    }
    if (scaled) ::DeleteObject(scaled);
    if (to) ::DeleteDC(to);
    if (from) ::DeleteDC(from);
    ::ReleaseDC(nullptr, screen);
    return picture;
}

}  // namespace

BEGIN_MESSAGE_MAP(CLauncherDlg, CDialog)
    ON_WM_SYSCOMMAND()
    ON_WM_PAINT()
    ON_WM_QUERYDRAGICON()
    ON_WM_CLOSE()
    ON_BN_CLICKED(IDC_PLAY, OnPlay)
    // Without BS_NOTIFY a push button sends a double click as two BN_CLICKED, so this
    // row stays quiet; given the style, the second click comes here and still counts.
    ON_BN_DOUBLECLICKED(IDC_PLAY, OnPlayDoubleClicked)
    ON_BN_CLICKED(IDC_SETTINGS, OnSettings)
    ON_BN_CLICKED(IDC_QUIT, OnQuit)
    ON_BN_CLICKED(IDC_MANUAL, OnManual)
    ON_BN_CLICKED(IDC_README, OnReadme)
    ON_BN_CLICKED(IDC_WEBSITE, OnWebsite)
END_MESSAGE_MAP()

CLauncherDlg::CLauncherDlg(CWnd* pParent)
    // The program's one icon stands behind the minimised dialog, its drag image and
    // the marker window's class.
    : CDialog(IDD_LAUNCHER, pParent),
      m_hIcon(::LoadIconA(AfxGetInstanceHandle(), MAKEINTRESOURCEA(IDI_APP))),
      m_pMarkerWnd(nullptr) {}

CLauncherDlg::~CLauncherDlg() {
    if (m_titlePicture) ::DeleteObject(m_titlePicture);
}

void CLauncherDlg::DoDataExchange(CDataExchange* pDX) {
    DDX_Control(pDX, IDC_README, m_btnReadme);
    DDX_Control(pDX, IDC_WEBSITE, m_btnWebsite);
    DDX_Control(pDX, IDC_SETTINGS, m_btnSettings);
    DDX_Control(pDX, IDC_QUIT, m_btnQuit);
    DDX_Control(pDX, IDC_PLAY, m_btnPlay);
    DDX_Control(pDX, IDC_MANUAL, m_btnManual);
    DDX_Control(pDX, IDC_BACKGROUND, m_background);
}

BOOL CLauncherDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    HINSTANCE instance = AfxGetInstanceHandle();
    // The defaults below depend on what this finds, so it comes first.
    EnumerateDisplayDevices();

    if (FindInstalledGame()) {
        const bool fromCd = IsRunningFromCd();
        if (fromCd && InstalledCopyIsElsewhere()) {
            DestroyMarkerWindow();
            if (BeginHandOver()) FinishHandOver(LaunchInstalledCopy());
            ::PostQuitMessage(0);
            return FALSE;
        }
        // This launcher is the copy it would hand over to, or one that would hand over
        // again: it starts as the copy, in the installation folder, keeping its record.
        if (fromCd) ::SetCurrentDirectoryA(installDir);
        if (IniFirstTime() != 0) {
            SetDefaultConfig();
            ReadIniLanguageAll();
            SaveConfig();
        } else {
            LoadConfig();
            // 2 only records that the last start passed the 3dfx library.
            if (gameConfig.hardware3DState == 2) gameConfig.hardware3DState = 1;
        }
    } else {
        ReportUnnamedInstallFolder();
        if (!IsRunningFromCd()) {
            ::PostQuitMessage(0);
            return FALSE;
        }
        SetDefaultConfig();
        // Another launcher may start while the player answers; whichever answers later
        // brings the other's dialog forward and ends, so one dialog remains.
        EndStartupTurn();
        CLanguageDlg languageDialog(gameConfig.languageIndex);
        if (languageDialog.DoModal() == IDCANCEL) {
            ::PostQuitMessage(0);
            return FALSE;
        }
        TakeStartupTurn();
        if (!IsSoleLauncher()) {
            ::PostQuitMessage(0);
            return FALSE;
        }
        gameConfig.languageIndex = languageDialog.LanguageIndex();
    }
    if (!IsLanguageIndex(gameConfig.languageIndex)) gameConfig.languageIndex = English;

    CreateMarkerWindow();
    EndStartupTurn();
    FitPictureToClientArea();
    SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(::LoadIconA(instance, MAKEINTRESOURCEA(IDI_APP))));
    LocalizeControls();
    Trace(kTracePicturesAndTexts);
    return TRUE;
}

void CLauncherDlg::FitPictureToClientArea() {
    // The template sizes the dialog in font units; where the system's dialog font is
    // wider or narrower than the one it was laid out with, the picture is stretched to
    // the client area rather than leaving a bare strip beside it.
    RECT client;
    GetClientRect(&client);
    const LONG_PTR style = ::GetWindowLongPtrA(m_background.m_hWnd, GWL_STYLE);
    ::SetWindowLongPtrA(m_background.m_hWnd, GWL_STYLE, style | SS_REALSIZECONTROL);
    ::SetWindowPos(m_background.m_hWnd, nullptr, 0, 0, client.right, client.bottom, SWP_NOZORDER | SWP_NOACTIVATE);
}

void CLauncherDlg::LocalizeControls() {
    const int32_t language = gameConfig.languageIndex;
    // The scene with the language's title replaces the untitled one of the template.
    // Only our own earlier picture is freed: the template's belongs to the control.
    if (HBITMAP picture = ::LoadBitmapA(AfxGetInstanceHandle(), MAKEINTRESOURCEA(TitlePictureId(language)))) {
        picture = FitPictureToControl(picture, m_background.m_hWnd);
        HBITMAP previous = m_background.SetBitmap(picture);
        if (previous && previous == m_titlePicture) ::DeleteObject(previous);
        m_titlePicture = picture;
    }
    SetWindowText(LoadMessage(IDS_TITLE, language));
    m_btnPlay.SetWindowText(LoadMessage(IsInstalled() ? IDS_PLAY : IDS_INSTALL, language));
    m_btnSettings.SetWindowText(LoadMessage(IDS_SETTINGS, language));
    if (!IsInstalled()) m_btnSettings.EnableWindow(FALSE);
    m_btnReadme.SetWindowText(LoadMessage(IDS_README, language));
    m_btnManual.SetWindowText(LoadMessage(IDS_MANUAL, language));
    m_btnWebsite.SetWindowText(kWebSiteHost);
    m_btnQuit.SetWindowText(LoadMessage(IDS_QUIT, language));
}

void CLauncherDlg::OnSysCommand(UINT, LPARAM) { Default(); }

void CLauncherDlg::OnPaint() {
    if (!IsIconic()) {
        Default();
        if (!m_painted) Trace(kTraceFirstPaint);
        m_painted = true;
        return;
    }
    CPaintDC dc(this);
    SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), 0);
    RECT client;
    GetClientRect(&client);
    const int x = (client.right - client.left - ::GetSystemMetrics(SM_CXICON) + 1) / 2;
    const int y = (client.bottom - client.top - ::GetSystemMetrics(SM_CYICON) + 1) / 2;
    if (m_hIcon) dc.DrawIcon(x, y, m_hIcon);
}

HCURSOR CLauncherDlg::OnQueryDragIcon() { return reinterpret_cast<HCURSOR>(m_hIcon); }

void CLauncherDlg::OnClose() {
    DestroyMarkerWindow();
    Default();
}

void CLauncherDlg::OnQuit() {
    DestroyMarkerWindow();
    ::PostQuitMessage(0);
}
