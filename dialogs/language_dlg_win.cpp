#include "dialogs/language_dlg_win.h"

#include "dialogs/language_combo_win.h"
#include "res/localized_text_win.h"
#include "res/resource.h"

CLanguageDlg::CLanguageDlg(int32_t languageIndex, CWnd* pParent)
    : CDialog(IDD_LANGUAGE, pParent), m_languageIndex(languageIndex) {}

void CLanguageDlg::DoDataExchange(CDataExchange* pDX) {
    DDX_Control(pDX, IDC_LANGUAGE_LABEL, m_languageLabel);
    DDX_Control(pDX, IDC_LANGUAGE_COMBO, m_languageCombo);
}

BOOL CLanguageDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    // The option dialogs carry the English title in every language.
    SetWindowText(LoadMessage(IDS_TITLE, English));
    m_languageLabel.SetWindowText(LoadMessage(IDS_SELECT_LANGUAGE, m_languageIndex));
    m_languageIndex = FillLanguageCombo(m_languageCombo, m_languageIndex);
    return TRUE;
}

void CLanguageDlg::OnOK() {
    m_languageIndex = SelectedLanguage(m_languageCombo);
    CDialog::OnOK();
}
