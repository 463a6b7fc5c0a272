#include <windows.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "dialogs/language_dlg_win.h"
#include "harness/ui_driver/ui_driver.h"
#include "res/localized_text.h"
#include "res/resource.h"
#include "tests/support/dialog_driver.h"

// The language dialog built from its template and driven as a user would: it asks in the
// stored language with that one preselected, and only OK or Enter stores the choice.
namespace {

TEST(LanguageDialog, AsksInTheStoredLanguageAndOnlyOkOrEnterStoresTheChoice) {
    const auto click = [](int id) { return [id](HWND w) { PostMessageA(ui::Control(w, id), BM_CLICK, 0, 0); }; };
    // To the list, the first control: GetFocus() finds nothing while another program, one of
    // the tests running beside this one, holds the display's focus.
    const auto key = [](int vk) { return [vk](HWND w) { ui::PressKey(ui::Control(w, IDC_LANGUAGE_COMBO), vk); }; };
    const auto close = [](HWND w) { PostMessageA(w, WM_SYSCOMMAND, SC_CLOSE, 0); };
    const char* const english = "Select your language";
    const char* const french = "Sélectionnez votre langue.";
    const char* const spanish = "Selecciona tu idioma.";
    const struct {
        int32_t start;
        const char* label;
        int preselected;
        int32_t languageWhenShown;
        int pick;  // the item selected before ending: the preselection, another or none
        std::function<void(HWND)> end;
        INT_PTR result;
        int32_t stored;
    } cases[] = {
        {English, english, 0, English, 2, click(IDOK), IDOK, French},
        {French, french, 2, French, 1, key(VK_RETURN), IDOK, Spanish},
        {French, french, 2, French, -1, click(IDOK), IDOK, English},
        {German, "Wählen Sie Ihre Sprache.", 0, English, 0, click(IDOK), IDOK, English},
        // The choice is not taken, and the switch to English made on opening stays.
        {Dutch, "Kies uw taal.", 0, English, 2, click(IDCANCEL), IDCANCEL, English},
        {Spanish, spanish, 1, Spanish, 2, key(VK_ESCAPE), IDCANCEL, Spanish},
        {Spanish, spanish, 1, Spanish, 2, close, IDCANCEL, Spanish},
    };
    for (const auto& c : cases) {
        CLanguageDlg dialog(c.start);
        EXPECT_EQ(RunDialogAndAct(dialog,
                                  [&](HWND w) {
                                      const HWND combo = ui::Control(w, IDC_LANGUAGE_COMBO);
                                      EXPECT_EQ(ui::Text(w), "Quimbo - Marivel");
                                      EXPECT_EQ(ui::Text(ui::Control(w, IDC_LANGUAGE_LABEL)), c.label);
                                      EXPECT_EQ(ui::ComboItems(combo),
                                                (std::vector<std::string>{"English", "Español", "Français"}));
                                      EXPECT_EQ(ui::ComboSelection(combo), c.preselected);
                                      EXPECT_EQ(dialog.LanguageIndex(), c.languageWhenShown);
                                      SendMessageA(combo, CB_SETCURSEL, WPARAM(c.pick), 0);
                                      c.end(w);
                                  }),
                  c.result);
        EXPECT_EQ(dialog.LanguageIndex(), c.stored) << c.start << " " << c.pick;
    }
}

}  // namespace
