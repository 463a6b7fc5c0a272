#pragma once
// The six languages of every text, the manuals and the read-me files, in the order the
// record stores them.
#include <cstdint>

enum LanguageIndex : int32_t { English = 0, French = 1, German = 2, Spanish = 3, Italian = 4, Dutch = 5 };

constexpr int kLanguageCount = 6;

constexpr bool IsLanguageIndex(int32_t languageIndex) { return languageIndex >= 0 && languageIndex < kLanguageCount; }
