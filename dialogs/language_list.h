#pragma once
// The language pickers offer three languages, in this order: English, Español,
// Français. German, Italian and Dutch are reached only through the system language
// or the ini file.
#include <cstdint>

constexpr int kLanguageListSize = 3;

// The language at a list position; English for a position without one (also -1, no
// selection).
int32_t LanguageAtListPosition(int position);

// The list position of a language; -1 for a language the list does not offer.
int ListPositionOfLanguage(int32_t languageIndex);
