#include "launcher/start_failure_win.h"

#include "res/localized_text_win.h"
#include "state/launcher_state.h"

void ShowStartFailure(unsigned long error) {
    const CString caption = LoadMessage(IDS_TITLE, gameConfig.languageIndex);
    wchar_t* text = nullptr;
    FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                   error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    MessageBoxW(nullptr, text ? text : L"", caption, MB_OK);
    LocalFree(text);
}
