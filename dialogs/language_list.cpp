#include "dialogs/language_list.h"

#include "res/localized_text.h"

namespace {
constexpr int32_t kListed[kLanguageListSize] = {English, Spanish, French};
}

int32_t LanguageAtListPosition(int position) {
    return position >= 0 && position < kLanguageListSize ? kListed[position] : English;
}

int ListPositionOfLanguage(int32_t languageIndex) {
    for (int position = 0; position < kLanguageListSize; ++position)
        if (kListed[position] == languageIndex) return position;
    return -1;
}
