// Shows one dialog as the launcher would, for screenshots:
//   show_dialog language <languageIndex>   the language question
//   show_dialog picture <bitmapId> <languageIndex>   the main dialog's template
//       with that picture, its buttons labelled in the language
#include <cstdlib>
#include <cstring>

#include "dialogs/language_dlg.h"
#include "framework/framework.h"
#include "launcher/launcher_state.h"
#include "res/resource.h"

namespace {

class PicturePreview : public CDialog {
public:
    PicturePreview(int bitmapId, int32_t language) : CDialog(IDD_LAUNCHER), m_bitmapId(bitmapId), m_language(language) {}

    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        SetWindowText(LoadMessage(IDS_TITLE, m_language));
        m_background.SetBitmap(::LoadBitmapA(AfxGetInstanceHandle(), MAKEINTRESOURCEA(m_bitmapId)));
        const struct {
            int id;
            Message message;
        } labels[] = {{IDC_PLAY, IDS_PLAY}, {IDC_SETTINGS, IDS_SETTINGS}, {IDC_README, IDS_README}, {IDC_QUIT, IDS_QUIT}};
        for (const auto& label : labels) ::SetDlgItemTextA(m_hWnd, label.id, LoadMessage(label.message, m_language));
        return TRUE;
    }

protected:
    void DoDataExchange(CDataExchange* pDX) override { DDX_Control(pDX, IDC_BACKGROUND, m_background); }

    CStatic m_background;
    int m_bitmapId;
    int32_t m_language;
};

class ShowDialogApp : public CWinApp {
public:
    BOOL InitInstance() override {
        Enable3dControls();
        if (__argc >= 3 && std::strcmp(__argv[1], "language") == 0) {
            gameConfig.languageIndex = std::atoi(__argv[2]);
            CLanguageDlg dialog;
            dialog.DoModal();
        } else if (__argc >= 4 && std::strcmp(__argv[1], "picture") == 0) {
            PicturePreview dialog(std::atoi(__argv[2]), std::atoi(__argv[3]));
            m_pMainWnd = &dialog;
            dialog.DoModal();
        }
        return FALSE;
    }
};

ShowDialogApp app;

}  // namespace
