#include "res/localized_text_win.h"

namespace {

CString LoadById(unsigned id) {
    CString text;
    if (id != 0) text.LoadString(id);
    return text;
}

}  // namespace

CString LoadMessage(Message message, int32_t languageIndex) { return LoadById(StringIdFor(message, languageIndex)); }

CString LoadLanguageName(int32_t languageIndex) { return LoadById(LanguageNameId(languageIndex)); }
