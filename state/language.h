#pragma once
// The six languages of every text, the manuals and the read-me files, in the order the
// record stores them.
#include <array>
#include <cstdint>

enum LanguageIndex : int32_t { English = 0, French = 1, German = 2, Spanish = 3, Italian = 4, Dutch = 5 };

constexpr int kLanguageCount = 6;

constexpr bool IsLanguageIndex(int32_t languageIndex) { return languageIndex >= 0 && languageIndex < kLanguageCount; }

// A table with one row per language, in LanguageIndex order. A row missing (or one too
// many) does not compile, where an array sized by the count would take a zero for it.
template <typename T, typename... Rows>
constexpr std::array<T, kLanguageCount> PerLanguage(Rows... rows) {
    static_assert(sizeof...(Rows) == kLanguageCount, "one row per language");
    return {T(rows)...};
}
