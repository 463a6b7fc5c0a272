#include <windows.h>
#include <gtest/gtest.h>

#include <iterator>
#include <string>
#include <utility>

#include "harness/ui_driver/ui_driver.h"
#include "res/resource.h"
#include "state/language.h"
#include "tests/launcher/shown_launcher_dlg.h"
#include "tests/support/dialog_driver.h"

// The real main dialog's look in each language.
namespace {

// A bitmap's bits, empty when it has none to give.
std::string Bits(HBITMAP bitmap) {
    BITMAP info{};
    if (!bitmap || !GetObjectA(bitmap, sizeof info, &info)) return {};
    std::string bits(size_t(info.bmWidthBytes * info.bmHeight), '\0');
    return GetBitmapBits(bitmap, LONG(bits.size()), bits.data()) ? bits : std::string();
}

// Each language's texts and titled scene (Italian shares the English one: equal bits, whatever
// the handles), and the program's icon behind the minimised dialog and its drag image.
TEST(MainDialog, TextsPictureAndIconFollowTheLanguage) {
    Install();
    const std::pair<int, const char*> looks[] = {
        // picture; caption, Play, Settings, Read me, Quit
        {IDB_TITLE_ENGLISH, "Quimbo - Marivel|Play|Settings|Read me|Quit"},
        {IDB_TITLE_FRENCH, "Quimbo - Marivel|Jouer|Configuration|Lisez-moi|Quitter"},
        {IDB_TITLE_GERMAN, "Quimbo Marivel|Start|Konfiguration|Lies mich|Beenden"},
        {IDB_TITLE_SPANISH, "Quimbo Marivel|Iniciar|Configuración|Leeme|Salir"},
        {IDB_TITLE_ENGLISH, "Quimbo - Marivel|Inizia|Configurazione|Leggimi|Esci"},
        {IDB_TITLE_DUTCH, "Quimbo - Marivel|Starten|Configuratie|Lees mij|Afsluiten"}};
    static_assert(std::size(looks) == kLanguageCount, "a look for each language");
    const HICON icon = LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_APP));
    for (int32_t language = 0; language < kLanguageCount; ++language) {
        const auto& [picture, texts] = looks[language];
        gameConfig.languageIndex = language;
        ShownLauncherDlg dialog;
        RunDialogAndAct(dialog, [&](HWND window) {
            const HBITMAP expected = LoadBitmapA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(picture));
            const std::string expectedBits = Bits(expected);
            DeleteObject(expected);
            EXPECT_FALSE(expectedBits.empty());
            EXPECT_TRUE(Bits(reinterpret_cast<HBITMAP>(SendMessageA(ui::Control(window, IDC_BACKGROUND), STM_GETIMAGE,
                                                                    IMAGE_BITMAP, 0))) == expectedBits)
                << language;
            std::string shown = ui::Text(window);
            for (int id : {IDC_PLAY, IDC_SETTINGS, IDC_README, IDC_QUIT})
                shown += "|" + ui::Text(ui::Control(window, id));
            EXPECT_EQ(shown, texts);
            EXPECT_EQ(ui::Text(ui::Control(window, IDC_WEBSITE)), "www.quimbo-marivel.example");
            EXPECT_TRUE(ui::IsEnabled(ui::Control(window, IDC_SETTINGS)));
            EXPECT_FALSE(ui::IsVisible(ui::Control(window, IDC_MANUAL)));
            EXPECT_EQ(reinterpret_cast<HICON>(SendMessageA(window, WM_QUERYDRAGICON, 0, 0)), icon);
            EXPECT_TRUE(GetWindowLongPtrA(window, GWL_EXSTYLE) & WS_EX_APPWINDOW);  // a taskbar button
            PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
        });
    }
}

}  // namespace
