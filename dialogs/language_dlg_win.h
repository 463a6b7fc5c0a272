#pragma once
// The language question on a first start from the CD-ROM. It is handed the language
// to show and hands back the choice; it saves nothing.
#include <cstdint>

#include "framework/combo_box.h"
#include "framework/dialog.h"
#include "framework/static.h"

class CLanguageDlg : public CDialog {
public:
    explicit CLanguageDlg(int32_t languageIndex, CWnd* pParent = nullptr);

    // The choice after OK. After Cancel, the language shown: a language the list does
    // not offer (German, Italian, Dutch) is English as soon as the dialog opens.
    int32_t LanguageIndex() const { return m_languageIndex; }

    BOOL OnInitDialog() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;
    // Cancel is CDialog's: it leaves the language as OnInitDialog left it.

    CStatic m_languageLabel;
    CComboBox m_languageCombo;

private:
    int32_t m_languageIndex;
};
