#include "res/localized_text.h"

namespace {
constexpr auto kBlockBase = PerLanguage<unsigned>(160, 102, 280, 190, 220, 250);
constexpr Message kFrenchShiftFrom = IDS_ASK_INSTALL_ACROBAT;
constexpr int kFrenchShift = 2;
}  // namespace

unsigned StringIdFor(Message message, int32_t languageIndex) {
    if (!IsLanguageIndex(languageIndex)) return 0;
    unsigned id = kBlockBase[languageIndex] + unsigned(message);
    if (languageIndex == French && message >= kFrenchShiftFrom) id -= kFrenchShift;
    return id;
}

unsigned LanguageNameId(int32_t languageIndex) {
    return IsLanguageIndex(languageIndex) ? kFirstLanguageNameId + unsigned(languageIndex) : 0;
}
