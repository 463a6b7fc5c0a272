#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "dialogs/language_dlg.h"
#include "launcher/launcher_state.h"
#include "res/messages.h"
#include "res/resource.h"
#include "tests/support/dialog_driver.h"

// The language dialog built from its template and driven as a user would.
namespace {

void Select(HWND dialog, int position) {
    SendMessageA(GetDlgItem(dialog, IDC_LANGUAGE_COMBO), CB_SETCURSEL, static_cast<WPARAM>(position), 0);
}

void Click(HWND dialog, int buttonId) { PostMessageA(GetDlgItem(dialog, buttonId), BM_CLICK, 0, 0); }

struct LanguageCase {
    int32_t language;
    const char* label;  // Windows-1252
    int preselected;
    int32_t languageWhenShown;
};

const LanguageCase kCases[] = {
    {English, "Select your language", 0, English},
    {French, "S\351lectionnez votre langue.", 2, French},
    {German, "W\344hlen Sie Ihre Sprache.", 0, English},
    {Spanish, "Selecciona tu idioma.", 1, Spanish},
    {Italian, "Seleziona la tua lingua.", 0, English},
    {Dutch, "Kies uw taal.", 0, English},
};

class LanguageDialog : public ::testing::TestWithParam<LanguageCase> {};

TEST_P(LanguageDialog, AsksInTheLanguageWithThePreselection) {
    const LanguageCase& c = GetParam();
    gameConfig.languageIndex = c.language;
    CLanguageDlg dialog;
    EXPECT_EQ(RunDialogAndAct(dialog,
                              [&](HWND window) {
                                  const HWND combo = GetDlgItem(window, IDC_LANGUAGE_COMBO);
                                  EXPECT_EQ(WindowText(window), "Quimbo - Marivel");
                                  EXPECT_EQ(ItemText(window, IDC_LANGUAGE_LABEL), c.label);
                                  EXPECT_EQ(ComboItems(combo),
                                            (std::vector<std::string>{"English", "Espa\361ol", "Fran\347ais"}));
                                  EXPECT_EQ(SendMessageA(combo, CB_GETCURSEL, 0, 0), c.preselected);
                                  EXPECT_EQ(gameConfig.languageIndex, c.languageWhenShown);
                                  Click(window, IDOK);
                              }),
              IDOK);
    EXPECT_EQ(gameConfig.languageIndex, c.languageWhenShown);
}

INSTANTIATE_TEST_SUITE_P(EveryLanguage, LanguageDialog, ::testing::ValuesIn(kCases));

TEST(LanguageDialogChoice, OkOrEnterStoresTheChoiceAndCancelTakesNothing) {
    const struct {
        int32_t start;
        int position;
        std::function<void(HWND)> end;
        INT_PTR result;
        int32_t stored;
    } cases[] = {
        {English, 2, [](HWND w) { Click(w, IDOK); }, IDOK, French},
        {French, 1, [](HWND) { PressKey(VK_RETURN); }, IDOK, Spanish},
        {French, -1, [](HWND w) { Click(w, IDOK); }, IDOK, English},
        // The choice is not taken, and the switch to English made on opening stays.
        {Dutch, 2, [](HWND w) { Click(w, IDCANCEL); }, IDCANCEL, English},
        {Spanish, 2, [](HWND) { PressKey(VK_ESCAPE); }, IDCANCEL, Spanish},
        {Spanish, 2, [](HWND w) { PostMessageA(w, WM_SYSCOMMAND, SC_CLOSE, 0); }, IDCANCEL, Spanish},
    };
    for (const auto& c : cases) {
        gameConfig.languageIndex = c.start;
        CLanguageDlg dialog;
        EXPECT_EQ(RunDialogAndAct(dialog, [&](HWND w) { Select(w, c.position), c.end(w); }), c.result) << c.start;
        EXPECT_EQ(gameConfig.languageIndex, c.stored) << c.start << " " << c.position;
    }
}

}  // namespace
