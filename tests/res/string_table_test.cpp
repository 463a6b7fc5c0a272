#include <windows.h>
#include <gtest/gtest.h>

#include <string>

#include "res/localized_text.h"

// Every message in every language, as the user must see it. Bytes are Windows-1252;
// columns are in LanguageIndex order: English, French, German, Spanish, Italian, Dutch.
namespace {

struct MessageTexts {
    Message message;
    const char* text[6];
};

// clang-format off
const MessageTexts kMessages[] = {
    {IDS_TITLE, {"Quimbo - Marivel", "Quimbo - Marivel", "Quimbo Marivel", "Quimbo Marivel", "Quimbo - Marivel",
      "Quimbo - Marivel"}},
    {IDS_VIDEO_OPTIONS, {"Video options ", "Options Vid\351o", "Grafikoptionen", "Opciones de v\355deo",
      "Opzioni video", "Grafische opties"}},
    {IDS_RENDERER, {"Renderer", "Moteur graphique", "Renderer", "Motor gr\341ficor", "Resa grafica", "Renderer"}},
    {IDS_RESOLUTION, {"Resolution", "R\351solution", "Aufl\366sung", "Resoluci\363n", "Risoluzione", "Resolutie"}},
    {IDS_WINDOWED, {"Windowed", "Fen\352tre", "Fenster", "Ventana", "In una finestra", "In venster"}},
    {IDS_FULLSCREEN, {"Fullscreen", "Plein \351cran", "Vollbild", "Pantalla completa", "A tutto schermo",
      "Volledig scherm"}},
    {IDS_PLAY, {"Play", "Jouer", "Start", "Iniciar", "Inizia", "Starten"}},
    {IDS_INSTALL, {"Install", "Installer", "Installieren", "Instalar", "Installa", "Installeren"}},
    {IDS_MANUAL, {"Manual", "Manuel", "Spielanleitung", "Manual", "Manuale", "Handleiding"}},
    {IDS_SETTINGS, {"Settings", "Configuration", "Konfiguration", "Configuraci\363n", "Configurazione",
      "Configuratie"}},
    {IDS_QUIT, {"Quit", "Quitter", "Beenden", "Salir", "Esci", "Afsluiten"}},
    {IDS_README, {"Read me", "Lisez-moi", "Lies mich", "Leeme", "Leggimi", "Lees mij"}},
    {IDS_README_FILE, {"Readme", "lisezmoi", "liesmich", "Leeme", "Leggimi", "Leesmij"}},
    {IDS_INSERT_CD, {"Please Insert the Quimbo Marivel CD-ROM", "Veuillez ins\351rer le CD-ROM Quimbo - Marivel",
      "Bitte legen Sie die Quimbo Marivel-CD-ROM ein.", "Inserta del CD-ROM de Quimbo Marivel",
      "Inserisci il CD-ROM di Quimbo - Marivel", "Plaats de Quimbo - Marivel-CD-ROM"}},
    {IDS_ASK_INSTALL_ACROBAT, {
      "Do you want to install Adobe Acrobat Reader?\n\nAdobe Acrobat Reader lets you read the manual of the game.",
      "D\351sirez-vous installer Acrobat Reader ?\n\nA l'aide Acrobat Reader vous pourrez lire le manuel du jeu.\n",
      "M\366chten Sie Acrobat Reader installieren?\n\nMit Acrobat Reader k\366nnen Sie die Spielanleitung lesen.\n",
      "\277Quieres instalar Adobe Acrobat Reader ?\n\nAdobe Acrobat Reader te permite leer el manual de este juego.",
      "Desideri installare Adobe Acrobat Reader?\n\nAdobe Acrobat Reader ti permette di leggere il manuale del gioco.",
      "Wilt u Adobe Acrobat Reader installeren?\n\nMet Adobe Acrobat Reader kunt u de handleiding van het spel lezen.\n"}},
    {IDS_SOFT_FAST, {"Without 3D card for fast computers", "Sans carte 3D pour ordinateur puissant",
      "Ohne Beschleunigerkarte f\374r leistungsstarke Computer", "S\355n tarjeta 3D para ordenadores r\341pidos",
      "Senza scheda 3D per computer rapidi", "Zonder 3D-kaart voor snelle computers"}},
    {IDS_HARDWARE_3D, {"Using 3D card", "Avec une carte 3D", "3D-Beschleuniger-Karte", "Con Tarjeta 3D",
      "Con scheda 3D", "Met"}},
    {IDS_SOFT_SLOW, {"Without 3D card for slow computers", "Sans carte 3D pour ordinateur lent",
      "Ohne Beschleunigerkarte f\374r langsame Computer", "S\355n tarjeta 3D para ordenadores lentos",
      "Senza scheda 3D per computer lenti", "Zonder 3D-kaart voor langzame computers"}},
    {IDS_LANGUAGE, {"Language", "Langue", "Sprache", "Idioma", "Lingua", "Taal"}},
    {IDS_SELECT_LANGUAGE, {"Select your language", "S\351lectionnez votre langue.", "W\344hlen Sie Ihre Sprache.",
      "Selecciona tu idioma.", "Seleziona la tua lingua.", "Kies uw taal."}},
};
// clang-format on

const char* const kLanguageNames[6] = {"English", "Fran\347ais", "Deutsch", "Espa\361ol", "Italiano", "Nederlands"};

class StringTable : public ::testing::Test {
protected:
    void SetUp() override {
        // The expected bytes are Windows-1252, which is what the ANSI calls give
        // only with that code page.
        ASSERT_EQ(GetACP(), 1252u);
    }
};

TEST_F(StringTable, EveryMessageAndLanguageNameLoadsWithItsExactText) {
    for (const MessageTexts& row : kMessages) {
        for (int32_t language = 0; language < 6; ++language) {
            EXPECT_EQ(std::string(LoadMessage(row.message, language)), row.text[language])
                << "message offset " << row.message << ", language " << language;
        }
    }
    for (int32_t language = 0; language < 6; ++language)  // each name the same in every language
        EXPECT_EQ(std::string(LoadLanguageName(language)), kLanguageNames[language]);
}

TEST_F(StringTable, TheFrenchBlockEndsAt127) {
    CString text;
    EXPECT_TRUE(text.LoadString(127));
    EXPECT_FALSE(text.LoadString(128));
    EXPECT_TRUE(text.IsEmpty());
    EXPECT_FALSE(text.LoadString(129));
}

TEST_F(StringTable, AnIndexOutsideTheLanguagesGivesNoText) {
    EXPECT_TRUE(LoadMessage(IDS_TITLE, -1).IsEmpty());
    EXPECT_TRUE(LoadMessage(IDS_TITLE, 6).IsEmpty());
    EXPECT_TRUE(LoadLanguageName(6).IsEmpty());
}

}  // namespace
