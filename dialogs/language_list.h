#pragma once
// The language pickers offer three languages, in this order: English, Español,
// Français. German, Italian and Dutch are reached only through the system language
// or the ini file.
#include <cstdint>
#include <iterator>

#include "state/language.h"

constexpr int32_t kListedLanguages[] = {English, Spanish, French};
constexpr int kLanguageListSize = int(std::size(kListedLanguages));  // from the list: no row can go missing

// The language at a list position; English for a position without one (also -1, no
// selection).
int32_t LanguageAtListPosition(int position);

// The list position of a language; -1 for a language the list does not offer.
int ListPositionOfLanguage(int32_t languageIndex);
