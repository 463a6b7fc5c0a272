#include <windows.h>
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "harness/ui_driver/ui_driver.h"
#include "res/localized_text_win.h"

// Every message in every language, as the user must see it. Bytes are Windows-1252;
// columns are in LanguageIndex order: English, French, German, Spanish, Italian, Dutch.
namespace {

struct MessageTexts {
    template <typename... Texts>
    MessageTexts(Message m, Texts... texts) : message(m), text(PerLanguage<const char*>(texts...)) {}
    Message message;
    std::array<const char*, kLanguageCount> text;
};

// clang-format off
const MessageTexts kMessages[] = {
    {IDS_TITLE, "Quimbo - Marivel", "Quimbo - Marivel", "Quimbo Marivel", "Quimbo Marivel", "Quimbo - Marivel",
      "Quimbo - Marivel"},
    {IDS_VIDEO_OPTIONS, "Video options ", "Options Vidéo", "Grafikoptionen", "Opciones de vídeo",
      "Opzioni video", "Grafische opties"},
    {IDS_RENDERER, "Renderer", "Moteur graphique", "Renderer", "Motor gráficor", "Resa grafica", "Renderer"},
    {IDS_RESOLUTION, "Resolution", "Résolution", "Auflösung", "Resolución", "Risoluzione", "Resolutie"},
    {IDS_WINDOWED, "Windowed", "Fenêtre", "Fenster", "Ventana", "In una finestra", "In venster"},
    {IDS_FULLSCREEN, "Fullscreen", "Plein écran", "Vollbild", "Pantalla completa", "A tutto schermo",
      "Volledig scherm"},
    {IDS_PLAY, "Play", "Jouer", "Start", "Iniciar", "Inizia", "Starten"},
    {IDS_INSTALL, "Install", "Installer", "Installieren", "Instalar", "Installa", "Installeren"},
    {IDS_MANUAL, "Manual", "Manuel", "Spielanleitung", "Manual", "Manuale", "Handleiding"},
    {IDS_SETTINGS, "Settings", "Configuration", "Konfiguration", "Configuración", "Configurazione",
      "Configuratie"},
    {IDS_QUIT, "Quit", "Quitter", "Beenden", "Salir", "Esci", "Afsluiten"},
    {IDS_README, "Read me", "Lisez-moi", "Lies mich", "Leeme", "Leggimi", "Lees mij"},
    {IDS_README_FILE, "Readme", "lisezmoi", "liesmich", "Leeme", "Leggimi", "Leesmij"},
    {IDS_INSERT_CD, "Please Insert the Quimbo Marivel CD-ROM", "Veuillez insérer le CD-ROM Quimbo - Marivel",
      "Bitte legen Sie die Quimbo Marivel-CD-ROM ein.", "Inserta del CD-ROM de Quimbo Marivel",
      "Inserisci il CD-ROM di Quimbo - Marivel", "Plaats de Quimbo - Marivel-CD-ROM"},
    {IDS_ASK_INSTALL_ACROBAT,
      "Do you want to install Adobe Acrobat Reader?\n\nAdobe Acrobat Reader lets you read the manual of the game.",
      "Désirez-vous installer Acrobat Reader ?\n\nA l'aide Acrobat Reader vous pourrez lire le manuel du jeu.\n",
      "Möchten Sie Acrobat Reader installieren?\n\nMit Acrobat Reader können Sie die Spielanleitung lesen.\n",
      "¿Quieres instalar Adobe Acrobat Reader ?\n\nAdobe Acrobat Reader te permite leer el manual de este juego.",
      "Desideri installare Adobe Acrobat Reader?\n\nAdobe Acrobat Reader ti permette di leggere il manuale del gioco.",
      "Wilt u Adobe Acrobat Reader installeren?\n\nMet Adobe Acrobat Reader kunt u de handleiding van het spel lezen.\n"},
    {IDS_SOFT_FAST, "Without 3D card for fast computers", "Sans carte 3D pour ordinateur puissant",
      "Ohne Beschleunigerkarte für leistungsstarke Computer", "Sín tarjeta 3D para ordenadores rápidos",
      "Senza scheda 3D per computer rapidi", "Zonder 3D-kaart voor snelle computers"},
    {IDS_HARDWARE_3D, "Using 3D card", "Avec une carte 3D", "3D-Beschleuniger-Karte", "Con Tarjeta 3D",
      "Con scheda 3D", "Met"},
    {IDS_SOFT_SLOW, "Without 3D card for slow computers", "Sans carte 3D pour ordinateur lent",
      "Ohne Beschleunigerkarte für langsame Computer", "Sín tarjeta 3D para ordenadores lentos",
      "Senza scheda 3D per computer lenti", "Zonder 3D-kaart voor langzame computers"},
    {IDS_LANGUAGE, "Language", "Langue", "Sprache", "Idioma", "Lingua", "Taal"},
    {IDS_SELECT_LANGUAGE, "Select your language", "Sélectionnez votre langue.", "Wählen Sie Ihre Sprache.",
      "Selecciona tu idioma.", "Seleziona la tua lingua.", "Kies uw taal."},
};
// clang-format on

constexpr auto kLanguageNames =
    PerLanguage<const char*>("English", "Français", "Deutsch", "Español", "Italiano", "Nederlands");

// Also run under a Cyrillic system's code page (resource_tests_cyrillic): the texts
// must not pass through it.
TEST(StringTable, EveryMessageAndLanguageNameLoadsWithItsExactText) {
    for (const MessageTexts& row : kMessages) {
        for (int32_t language = 0; language < kLanguageCount; ++language) {
            EXPECT_EQ(ui::Utf8(std::wstring(LoadMessage(row.message, language))), row.text[language])
                << "message offset " << int(row.message) << ", language " << language;
        }
    }
    for (int32_t language = 0; language < kLanguageCount; ++language)  // each name the same in every language
        EXPECT_EQ(ui::Utf8(std::wstring(LoadLanguageName(language))), kLanguageNames[language]);
}

TEST(StringTable, TheFrenchBlockEndsAt127) {
    CString text;
    EXPECT_TRUE(text.LoadString(127));
    EXPECT_FALSE(text.LoadString(128));
    EXPECT_STREQ(text, L"");
    EXPECT_FALSE(text.LoadString(129));
}

TEST(StringTable, AnIndexOutsideTheLanguagesGivesNoText) {
    EXPECT_STREQ(LoadMessage(IDS_TITLE, -1), L"");
    EXPECT_STREQ(LoadMessage(IDS_TITLE, kLanguageCount), L"");
    EXPECT_STREQ(LoadLanguageName(kLanguageCount), L"");
}

}  // namespace
