#pragma once
// The language list as both pickers fill and read it.
#include <cstdint>

#include "framework/combo_box.h"

// Adds the three language names and selects `languageIndex`; a language the list
// does not offer selects English. Returns the language now selected.
int32_t FillLanguageCombo(CComboBox& combo, int32_t languageIndex);

// The selected language; English without a selection.
int32_t SelectedLanguage(const CComboBox& combo);
