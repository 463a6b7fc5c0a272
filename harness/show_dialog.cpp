// Shows one dialog as the launcher would, for screenshots:
//   show_dialog language <languageIndex>   the language question
//   show_dialog picture <bitmapId> <languageIndex>   the main dialog's template
//       with that picture, its buttons labelled in the language
//   show_dialog video <languageIndex> [renderers]   the video options on a machine
//       with an accelerated display, the renderer list dropped open if asked
#include <cstdlib>
#include <cstring>

#include "detect/display_devices.h"
#include "dialogs/language_dlg_win.h"
#include "dialogs/video_options_dlg_win.h"
#include "framework/dialog.h"
#include "framework/instance.h"
#include "framework/static.h"
#include "framework/win_app.h"
#include "harness/scripted_modes.h"
#include "res/localized_text_win.h"
#include "res/resource.h"

namespace {

class PicturePreview : public CDialog {
public:
    PicturePreview(int bitmapId, int32_t language)
        : CDialog(IDD_LAUNCHER), m_bitmapId(bitmapId), m_language(language) {}

    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        SetWindowText(LoadMessage(IDS_TITLE, m_language));
        m_background.SetBitmap(::LoadBitmapA(AfxGetInstanceHandle(), MAKEINTRESOURCEA(m_bitmapId)));
        const struct {
            int id;
            Message message;
        } labels[] = {
            {IDC_PLAY, IDS_PLAY}, {IDC_SETTINGS, IDS_SETTINGS}, {IDC_README, IDS_README}, {IDC_QUIT, IDS_QUIT}};
        for (const auto& label : labels) ::SetDlgItemTextW(m_hWnd, label.id, LoadMessage(label.message, m_language));
        return TRUE;
    }

protected:
    void DoDataExchange(CDataExchange* pDX) override { DDX_Control(pDX, IDC_BACKGROUND, m_background); }

    CStatic m_background;
    int m_bitmapId;
    int32_t m_language;
};

// Opens the renderer list once the dialog shows, so that every renderer text is seen.
// The dialog's activation may come later and raise it over the list, so every tick
// puts the list back on top.
void CALLBACK DropRendererList(HWND, UINT, UINT_PTR, DWORD) {
    const HWND dialog = videoOptionsDlg.m_hWnd;
    if (!dialog || !::IsWindowVisible(dialog)) return;
    const HWND combo = ::GetDlgItem(dialog, IDC_RENDERER_COMBO);
    if (!::SendMessageA(combo, CB_GETDROPPEDSTATE, 0, 0)) ::SendMessageA(combo, CB_SHOWDROPDOWN, TRUE, 0);
    COMBOBOXINFO info = {sizeof info};
    if (!::GetComboBoxInfo(combo, &info) || !info.hwndList) return;
    // A change of z-order restacks the X window even where the list already counts
    // as the top one.
    for (HWND order : {HWND_NOTOPMOST, HWND_TOPMOST})
        ::SetWindowPos(info.hwndList, order, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void ShowVideoOptions(int32_t language, bool dropRenderers) {
    DisplayDeviceTable devices{};
    DisplayDevice& primary = devices[kPrimarySlot];
    primary.hardware3D = 1;
    for (const Resolution& size : kSupportedResolutions) AddScriptedMode(primary, {size.width, size.height, 16});
    GameConfig config{};
    config.languageIndex = language;
    config.renderer = RenderSoftware8;
    config.screenWidth = 640;
    config.screenHeight = 480;
    config.fullScreen = 1;
    videoOptionsDlg.SetData(config, devices);
    if (dropRenderers) ::SetTimer(nullptr, 0, 50, DropRendererList);
    videoOptionsDlg.DoModal();
}

class ShowDialogApp : public CWinApp {
public:
    BOOL InitInstance() override {
        Enable3dControls();
        if (__argc >= 3 && std::strcmp(__argv[1], "language") == 0) {
            CLanguageDlg dialog(std::atoi(__argv[2]));
            dialog.DoModal();
        } else if (__argc >= 4 && std::strcmp(__argv[1], "picture") == 0) {
            PicturePreview dialog(std::atoi(__argv[2]), std::atoi(__argv[3]));
            m_pMainWnd = &dialog;
            dialog.DoModal();
        } else if (__argc >= 3 && std::strcmp(__argv[1], "video") == 0) {
            ShowVideoOptions(std::atoi(__argv[2]), __argc >= 4 && std::strcmp(__argv[3], "renderers") == 0);
        }
        return FALSE;
    }
};

ShowDialogApp app;

}  // namespace
