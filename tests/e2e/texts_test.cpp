// The main dialog in every language, with a screenshot of each for a person to look at.
#include <gtest/gtest.h>

#include "res/resource.h"
#include "tests/e2e/launcher_world.h"

namespace {

struct MainDialogTexts {
    int32_t language;
    const char* name;
    const char* caption;
    const char* play;
    const char* settings;
    const char* readme;
    const char* quit;
};

// Windows-1252, as the ANSI calls show them.
const MainDialogTexts kTexts[] = {
    {0, "english", "Quimbo - Marivel", "Play", "Settings", "Read me", "Quit"},
    {1, "french", "Quimbo - Marivel", "Jouer", "Configuration", "Lisez-moi", "Quitter"},
    {2, "german", "Quimbo Marivel", "Start", "Konfiguration", "Lies mich", "Beenden"},
    {3, "spanish", "Quimbo Marivel", "Iniciar", "Configuraci\xF3n", "Leeme", "Salir"},
    {4, "italian", "Quimbo - Marivel", "Inizia", "Configurazione", "Leggimi", "Esci"},
    {5, "dutch", "Quimbo - Marivel", "Starten", "Configuratie", "Lees mij", "Afsluiten"},
};

TEST(MainDialog, ShowsEveryTextInTheStoredLanguage) {
    for (const MainDialogTexts& texts : kTexts) {
        LauncherWorld world;
        world.Install();
        GameConfig stored = DefaultRecord();
        stored.languageIndex = texts.language;
        world.WriteConfig(stored);
        ui::Process launcher = LauncherWorld::StartLauncher(world.InstalledLauncher(), world.InstallFolder());
        HWND dialog = LauncherWorld::WaitForDialog(launcher);
        ASSERT_NE(dialog, nullptr) << texts.name;
        EXPECT_EQ(ui::Text(dialog), texts.caption);
        EXPECT_EQ(ui::Text(ui::Control(dialog, IDC_PLAY)), texts.play);
        EXPECT_EQ(ui::Text(ui::Control(dialog, IDC_SETTINGS)), texts.settings);
        EXPECT_EQ(ui::Text(ui::Control(dialog, IDC_README)), texts.readme);
        EXPECT_EQ(ui::Text(ui::Control(dialog, IDC_QUIT)), texts.quit);
        EXPECT_EQ(ui::Text(ui::Control(dialog, IDC_WEBSITE)), "www.quimbo-marivel.example");
        EXPECT_TRUE(ui::IsEnabled(ui::Control(dialog, IDC_SETTINGS)));
        EXPECT_FALSE(ui::IsVisible(ui::Control(dialog, IDC_MANUAL)));
        EXPECT_TRUE(ui::SaveScreenshot(dialog, ui::PathBesideThisProgram(std::string("main-") + texts.name + ".bmp")));
        ui::Click(ui::Control(dialog, IDC_QUIT));
        EXPECT_TRUE(launcher.WaitForExit().has_value());
    }
}

}  // namespace
