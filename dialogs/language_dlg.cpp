#include "dialogs/language_dlg.h"

#include "dialogs/language_combo.h"
#include "res/localized_text.h"
#include "res/resource.h"
#include "state/launcher_state.h"

CLanguageDlg::CLanguageDlg(CWnd* pParent) : CDialog(IDD_LANGUAGE, pParent) {}

void CLanguageDlg::DoDataExchange(CDataExchange* pDX) {
    DDX_Control(pDX, IDC_LANGUAGE_LABEL, m_languageLabel);
    DDX_Control(pDX, IDC_LANGUAGE_COMBO, m_languageCombo);
}

BOOL CLanguageDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    // The option dialogs carry the English title in every language.
    SetWindowText(LoadMessage(IDS_TITLE, English));
    m_languageLabel.SetWindowText(LoadMessage(IDS_SELECT_LANGUAGE, gameConfig.languageIndex));
    gameConfig.languageIndex = FillLanguageCombo(m_languageCombo, gameConfig.languageIndex);
    return TRUE;
}

void CLanguageDlg::OnOK() {
    gameConfig.languageIndex = SelectedLanguage(m_languageCombo);
    CDialog::OnOK();
}
