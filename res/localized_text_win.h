#pragma once
// Every text the user sees is loaded here: a message in a language, or a language's
// own name. An index outside 0..5 gives an empty text.
#include <cstdint>

#include "framework/cstring.h"
#include "res/localized_text.h"

CString LoadMessage(Message message, int32_t languageIndex);
CString LoadLanguageName(int32_t languageIndex);
