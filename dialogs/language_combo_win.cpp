#include "dialogs/language_combo_win.h"

#include "dialogs/language_list.h"
#include "res/localized_text_win.h"

int32_t FillLanguageCombo(CComboBox& combo, int32_t languageIndex) {
    for (int position = 0; position < kLanguageListSize; ++position)
        combo.AddString(LoadLanguageName(LanguageAtListPosition(position)));
    int position = ListPositionOfLanguage(languageIndex);
    if (position < 0) position = 0;
    combo.SetCurSel(position);
    return LanguageAtListPosition(position);
}

int32_t SelectedLanguage(const CComboBox& combo) { return LanguageAtListPosition(combo.GetCurSel()); }
