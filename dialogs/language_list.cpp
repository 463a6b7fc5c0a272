#include "dialogs/language_list.h"

int32_t LanguageAtListPosition(int position) {
    return position >= 0 && position < kLanguageListSize ? kListedLanguages[position] : English;
}

int ListPositionOfLanguage(int32_t languageIndex) {
    for (int position = 0; position < kLanguageListSize; ++position)
        if (kListedLanguages[position] == languageIndex) return position;
    return -1;
}
