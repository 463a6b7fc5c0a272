// Read me, the web site and the manual under Wine, with recorder programs standing in
// for Notepad, the web browser, the PDF reader and its installer.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "harness/install_entry.h"
#include "launcher/document_places.h"
#include "res/resource.h"
#include "state/language.h"
#include "tests/e2e/launcher_world.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* kWebHandlerKey = "http\\shell\\open\\command";
constexpr auto kReadmeStems = PerLanguage<const char*>("Readme", "lisezmoi", "liesmich", "Leeme", "Leggimi", "Leesmij");

void SetClassesValue(const char* key, const std::string& value) {
    ::RegSetValueA(HKEY_CLASSES_ROOT, key, REG_SZ, value.c_str(), DWORD(value.size()));
}

class Documents : public ::testing::Test {
protected:
    // No Reader unless a test registers one; the web handler is set by the test using it.
    void SetUp() override { ::RegDeleteKeyA(HKEY_CLASSES_ROOT, kReaderKey); }
    void TearDown() override { ::RegDeleteKeyA(HKEY_CLASSES_ROOT, kReaderKey); }

    static StandInReport WaitForRecord(const std::string& program) { return ui::WaitForReport(RecordOf(program)); }
    static bool Recorded(const std::string& program) { return fs::exists(RecordOf(program)); }

    static void InstallWithReadmes(LauncherWorld& world, int32_t language) {
        world.Install();
        fs::create_directories(world.InstallFolder() + "\\help");
        for (const char* stem : kReadmeStems) WriteBytes(std::string("help/") + stem + ".txt", stem);
        GameConfig stored = DefaultRecord();
        stored.languageIndex = language;
        world.WriteConfig(stored);
    }
    static HWND StartInstalled(LauncherWorld& world, ui::Process& launcher) {
        launcher = world.StartInstalled();
        return LauncherWorld::WaitForDialog(launcher);
    }
    // The Manual button stays hidden; its handler is reached by its command.
    static void PressManual(HWND dialog) {
        ::PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_MANUAL, BN_CLICKED),
                       reinterpret_cast<LPARAM>(ui::Control(dialog, IDC_MANUAL)));
    }
    static void Quit(HWND dialog, ui::Process& launcher) {
        ui::Click(ui::Control(dialog, IDC_QUIT));
        EXPECT_TRUE(launcher.WaitForExit().has_value());
    }
};

// Read me, the web site and the manual (with a registered Reader) in every language.
TEST_F(Documents, ReadmeWebSiteAndManualInEveryLanguage) {
    const std::string browser =
        LauncherWorld::PlaceRecorder(fs::temp_directory_path() / "quimbo-browser" / "browser.exe");
    SetClassesValue(kWebHandlerKey, "\"" + browser + "\" \"%1\"");
    const std::string reader =
        LauncherWorld::PlaceRecorder(fs::temp_directory_path() / "quimbo-reader" / "AcroRd32.exe");
    SetClassesValue(kReaderKey, reader);
    for (int32_t language = 0; language < kLanguageCount; ++language) {
        LauncherWorld world;
        InstallWithReadmes(world, language);
        const std::string notepad = LauncherWorld::PlaceRecorder(world.InstallFolder() + "\\notepad.exe");
        fs::remove(RecordOf(browser));
        fs::remove(RecordOf(reader));
        ui::Process launcher;
        HWND dialog = StartInstalled(world, launcher);
        ASSERT_NE(dialog, nullptr);

        ui::Click(ui::Control(dialog, IDC_README));
        EXPECT_EQ(WaitForRecord(notepad)["commandLine"],
                  "notepad.exe \"" + world.InstallFolder() + "\\help\\" + kReadmeStems[language] + ".txt\"");
        ui::Click(ui::Control(dialog, IDC_WEBSITE));
        const std::string webCommand = WaitForRecord(browser)["commandLine"];
        EXPECT_NE(webCommand.find("http://www.quimbo-marivel.example/"), std::string::npos) << webCommand;
        PressManual(dialog);
        const std::string manual = WaitForRecord(reader)["commandLine"];
        const std::string parameters =
            "\"" + world.InstallFolder() + "\\help\\manual" + std::to_string(language) + ".pdf\"";
        EXPECT_EQ(manual.substr(manual.size() - std::min(manual.size(), parameters.size())), parameters) << manual;
        Quit(dialog, launcher);
    }
}

// Installed without its read-me: the CD-ROM's one. Installed with it in a folder so deep that
// the command line just fits: that one; one character deeper nothing starts. Not installed:
// the manual from the CD-ROM, and without the CD-ROM's read-me nothing starts.
TEST_F(Documents, ReadmeAndManualFallBackToTheCdAndOtherwiseStartNothing) {
    LauncherWorld world;
    world.Install();
    world.WriteConfig(DefaultRecord());
    fs::create_directories("V:\\Datas\\help");
    WriteBytes("V:\\Datas\\help\\Readme.txt", "from the CD-ROM");
    const std::string notepad = LauncherWorld::PlaceRecorder(world.InstallFolder() + "\\notepad.exe");
    ui::Process launcher;
    HWND dialog = StartInstalled(world, launcher);
    ASSERT_NE(dialog, nullptr);
    ui::Click(ui::Control(dialog, IDC_README));
    EXPECT_EQ(WaitForRecord(notepad)["commandLine"], "notepad.exe \"v:\\Datas\\help\\Readme.txt\"");

    fs::create_directory("help");
    WriteBytes("help/Readme.txt", "installed");
    fs::remove(RecordOf(notepad));
    world.RegisterSpelledOut(230);  // in notepad.exe "<folder>help\\Readme.txt": 259 characters, the most that fit
    ui::Click(ui::Control(dialog, IDC_README));
    EXPECT_EQ(WaitForRecord(notepad)["commandLine"].size(), 259u);
    fs::remove(RecordOf(notepad));
    world.RegisterSpelledOut(231);
    ui::Click(ui::Control(dialog, IDC_README));
    PressManual(dialog);  // its question comes once the read-me's click is done
    EXPECT_NE(LauncherWorld::AnswerBox(launcher, dialog, IDNO), "");

    RemoveInstallation();
    const std::string reader =
        LauncherWorld::PlaceRecorder(fs::temp_directory_path() / "quimbo-reader" / "AcroRd32.exe");
    SetClassesValue(kReaderKey, reader);
    PressManual(dialog);
    const std::string manual = WaitForRecord(reader)["commandLine"];
    EXPECT_NE(manual.find("\"v:\\Datas\\help\\manual0.pdf\""), std::string::npos) << manual;
    fs::remove("V:\\Datas\\help\\Readme.txt");
    ui::Click(ui::Control(dialog, IDC_README));
    ui::Click(ui::Control(dialog, IDC_QUIT));  // queued behind the Read me click
    EXPECT_TRUE(launcher.WaitForExit().has_value());
    EXPECT_FALSE(Recorded(notepad));
    fs::remove_all("V:\\Datas");
}

TEST_F(Documents, WithoutReaderTheQuestionLeadsToTheInstallerOnTheCd) {
    const std::string installer = LauncherWorld::PlaceRecorder("V:\\Install\\Acrobat Reader\\ar40eng.exe");
    LauncherWorld world;
    ui::Process launcher;
    InstallWithReadmes(world, 0);
    HWND dialog = StartInstalled(world, launcher);
    ASSERT_NE(dialog, nullptr);

    const std::string question =
        "Quimbo - Marivel|Do you want to install Adobe Acrobat Reader?\n\n"
        "Adobe Acrobat Reader lets you read the manual of the game.";
    PressManual(dialog);  // No: nothing more happens
    EXPECT_EQ(LauncherWorld::AnswerBox(launcher, dialog, IDNO), question);

    // A value that fills the reader's buffer without a terminating zero names no reader.
    const std::string unterminated(261, 'x');
    HKEY key;
    ASSERT_EQ(::RegCreateKeyA(HKEY_CLASSES_ROOT, kReaderKey, &key), ERROR_SUCCESS);
    ::RegSetValueExA(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(unterminated.data()), 260);
    ::RegCloseKey(key);
    EXPECT_FALSE(Recorded(installer)) << "No started the installer";
    PressManual(dialog);  // Yes with the CD-ROM in V:
    EXPECT_EQ(LauncherWorld::AnswerBox(launcher, dialog, IDYES), question);
    const std::string command = WaitForRecord(installer)["commandLine"];
    EXPECT_NE(command.find("v:\\Install\\Acrobat Reader\\ar40eng.exe"), std::string::npos) << command;

    Quit(dialog, launcher);
    std::error_code ignored;  // the installer's stand-in may still be ending
    fs::remove_all("V:\\Install", ignored);
}

// Run by CTest after the CD-ROM drive is gone (launcher_e2e_without_cd).
using WithoutGameCd = Documents;

TEST_F(WithoutGameCd, YesToTheReaderQuestionAsksForTheCd) {
    ASSERT_NE(::GetDriveTypeA(LauncherWorld::kCdRoot), UINT(DRIVE_CDROM));
    LauncherWorld world;
    ui::Process launcher;
    InstallWithReadmes(world, 1);
    HWND dialog = StartInstalled(world, launcher);
    ASSERT_NE(dialog, nullptr);
    const std::string insertCd = "Quimbo - Marivel|Veuillez insérer le CD-ROM Quimbo - Marivel";
    PressManual(dialog);
    EXPECT_NE(LauncherWorld::AnswerBox(launcher, dialog, IDYES), "");
    EXPECT_EQ(LauncherWorld::AnswerBox(launcher, dialog, IDOK), insertCd);

    // A registered reader, but the installation gone and no CD-ROM: the manual is nowhere.
    SetClassesValue(kReaderKey, "C:\\no\\reader.exe");
    RemoveInstallation();
    PressManual(dialog);
    EXPECT_EQ(LauncherWorld::AnswerBox(launcher, dialog, IDOK), insertCd);
    Quit(dialog, launcher);
}

}  // namespace
