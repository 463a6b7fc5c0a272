#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "dialogs/language_dlg.h"
#include "res/messages.h"
#include "res/resource.h"
#include "state/launcher_state.h"
#include "tests/support/scoped_launcher_state.h"
#include "tests/support/dialog_driver.h"
#include "tools/ui_driver/ui_driver.h"

// The language dialog built from its template and driven as a user would.
namespace {

void Click(HWND dialog, int id) { PostMessageA(ui::Control(dialog, id), BM_CLICK, 0, 0); }

TEST(LanguageDialog, AsksInTheLanguageWithThePreselection) {
    ScopedLauncherState state;
    const struct {
        int32_t language;
        const char* label;  // Windows-1252
        int preselected;
        int32_t languageWhenShown;
    } cases[] = {
        {English, "Select your language", 0, English}, {French, "S\351lectionnez votre langue.", 2, French},
        {German, "W\344hlen Sie Ihre Sprache.", 0, English}, {Spanish, "Selecciona tu idioma.", 1, Spanish},
    };
    for (const auto& c : cases) {
        gameConfig.languageIndex = c.language;
        CLanguageDlg dialog;
        EXPECT_EQ(RunDialogAndAct(dialog,
                                  [&](HWND window) {
                                      const HWND combo = ui::Control(window, IDC_LANGUAGE_COMBO);
                                      EXPECT_EQ(ui::Text(window), "Quimbo - Marivel");
                                      EXPECT_EQ(ui::Text(ui::Control(window, IDC_LANGUAGE_LABEL)), c.label);
                                      EXPECT_EQ(ui::ComboItems(combo),
                                                (std::vector<std::string>{"English", "Espa\361ol", "Fran\347ais"}));
                                      EXPECT_EQ(ui::ComboSelection(combo), c.preselected);
                                      EXPECT_EQ(gameConfig.languageIndex, c.languageWhenShown);
                                      Click(window, IDOK);
                                  }),
                  IDOK);
        EXPECT_EQ(gameConfig.languageIndex, c.languageWhenShown);
    }
}

TEST(LanguageDialog, OkOrEnterStoresTheChoiceAndCancelTakesNothing) {
    ScopedLauncherState state;
    const auto key = [](int vk) { return [vk](HWND) { ui::PressKey(GetFocus(), vk); }; };
    const struct {
        int32_t start;
        int position;
        std::function<void(HWND)> end;
        INT_PTR result;
        int32_t stored;
    } cases[] = {
        {English, 2, [](HWND w) { Click(w, IDOK); }, IDOK, French},
        {French, 1, key(VK_RETURN), IDOK, Spanish},
        {French, -1, [](HWND w) { Click(w, IDOK); }, IDOK, English},
        // The choice is not taken, and the switch to English made on opening stays.
        {Dutch, 2, [](HWND w) { Click(w, IDCANCEL); }, IDCANCEL, English},
        {Spanish, 2, key(VK_ESCAPE), IDCANCEL, Spanish},
        {Spanish, 2, [](HWND w) { PostMessageA(w, WM_SYSCOMMAND, SC_CLOSE, 0); }, IDCANCEL, Spanish},
    };
    for (const auto& c : cases) {
        gameConfig.languageIndex = c.start;
        CLanguageDlg dialog;
        EXPECT_EQ(RunDialogAndAct(dialog,
                                  [&](HWND w) {
                                      SendMessageA(ui::Control(w, IDC_LANGUAGE_COMBO), CB_SETCURSEL, WPARAM(c.position), 0);
                                      c.end(w);
                                  }),
                  c.result);
        EXPECT_EQ(gameConfig.languageIndex, c.stored) << c.start << " " << c.position;
    }
}

}  // namespace
