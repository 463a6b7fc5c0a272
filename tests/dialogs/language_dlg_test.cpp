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

// What the user sees when the dialog appears.
struct Shown {
    std::string caption;
    std::string label;
    std::vector<std::string> items;
    int selected = -2;
    int32_t languageIndex = -2;
    bool okHasFocus = false;
};

Shown Read(HWND dialog) {
    Shown shown;
    shown.caption = WindowText(dialog);
    shown.label = ItemText(dialog, IDC_LANGUAGE_LABEL);
    const HWND combo = GetDlgItem(dialog, IDC_LANGUAGE_COMBO);
    shown.items = ComboItems(combo);
    shown.selected = static_cast<int>(SendMessageA(combo, CB_GETCURSEL, 0, 0));
    shown.languageIndex = gameConfig.languageIndex;
    shown.okHasFocus = GetFocus() == GetDlgItem(dialog, IDOK);
    return shown;
}

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

TEST_P(LanguageDialog, AsksInTheLanguageAndOkKeepsThePreselection) {
    const LanguageCase& c = GetParam();
    gameConfig.languageIndex = c.language;
    CLanguageDlg dialog;
    Shown shown;
    const INT_PTR result = RunDialogAndAct(dialog, [&](HWND window) {
        shown = Read(window);
        Click(window, IDOK);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(shown.caption, "Quimbo - Marivel");
    EXPECT_EQ(shown.label, c.label);
    EXPECT_EQ(shown.items, (std::vector<std::string>{"English", "Espa\361ol", "Fran\347ais"}));
    EXPECT_EQ(shown.selected, c.preselected);
    EXPECT_EQ(shown.languageIndex, c.languageWhenShown);
    EXPECT_TRUE(shown.okHasFocus);
    EXPECT_EQ(gameConfig.languageIndex, c.languageWhenShown);
}

INSTANTIATE_TEST_SUITE_P(EveryLanguage, LanguageDialog, ::testing::ValuesIn(kCases));

INT_PTR RunWithAction(int32_t startLanguage, const std::function<void(HWND)>& act) {
    gameConfig.languageIndex = startLanguage;
    CLanguageDlg dialog;
    return RunDialogAndAct(dialog, act);
}

TEST(LanguageDialogChoice, OkStoresTheChosenLanguage) {
    EXPECT_EQ(RunWithAction(English, [](HWND w) { Select(w, 2), Click(w, IDOK); }), IDOK);
    EXPECT_EQ(gameConfig.languageIndex, French);
    EXPECT_EQ(RunWithAction(French, [](HWND w) { Select(w, 1), Click(w, IDOK); }), IDOK);
    EXPECT_EQ(gameConfig.languageIndex, Spanish);
    EXPECT_EQ(RunWithAction(Spanish, [](HWND w) { Select(w, 0), Click(w, IDOK); }), IDOK);
    EXPECT_EQ(gameConfig.languageIndex, English);
}

TEST(LanguageDialogChoice, EnterIsOk) {
    EXPECT_EQ(RunWithAction(English, [](HWND w) { Select(w, 1), PressKey(VK_RETURN); }), IDOK);
    EXPECT_EQ(gameConfig.languageIndex, Spanish);
}

TEST(LanguageDialogChoice, OkWithoutSelectionStoresEnglish) {
    EXPECT_EQ(RunWithAction(French, [](HWND w) { Select(w, -1), Click(w, IDOK); }), IDOK);
    EXPECT_EQ(gameConfig.languageIndex, English);
}

TEST(LanguageDialogCancel, CancelButtonEscAndCloseBoxAllCancelWithoutRestoring) {
    const std::function<void(HWND)> cancels[] = {
        [](HWND w) { Select(w, 2), Click(w, IDCANCEL); },
        [](HWND w) { Select(w, 2), PressKey(VK_ESCAPE); },
        [](HWND w) { Select(w, 2), PostMessageA(w, WM_SYSCOMMAND, SC_CLOSE, 0); },
    };
    for (const auto& cancel : cancels) {
        // The choice is not taken, and the switch to English made on opening stays.
        EXPECT_EQ(RunWithAction(Dutch, cancel), IDCANCEL);
        EXPECT_EQ(gameConfig.languageIndex, English);
        EXPECT_EQ(RunWithAction(Spanish, cancel), IDCANCEL);
        EXPECT_EQ(gameConfig.languageIndex, Spanish);
    }
}

}  // namespace
