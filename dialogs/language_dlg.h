#pragma once
// The language question on a first start from the CD-ROM. It writes the choice
// straight into gameConfig.languageIndex and saves nothing.
#include "framework/combo_box.h"
#include "framework/dialog.h"
#include "framework/static.h"

class CLanguageDlg : public CDialog {
public:
    explicit CLanguageDlg(CWnd* pParent = nullptr);

    // Also switches a language the list does not offer (German, Italian, Dutch) to
    // English at once, before the dialog is shown.
    BOOL OnInitDialog() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;
    // Cancel is CDialog's: it leaves languageIndex as OnInitDialog left it.

    CStatic m_languageLabel;
    CComboBox m_languageCombo;
};
