// Read me, the web site, the manual and Install under Wine, with recorder programs
// standing in for Notepad, the web browser, the PDF reader, its installer and the game's.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

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

    // A recorder copied to `path`; its record appears as `path` + ".txt".
    static std::string PlaceRecorder(const fs::path& path) {
        fs::create_directories(path.parent_path());
        fs::copy_file(ui::PathBesideThisProgram("recorder.exe"), path, fs::copy_options::overwrite_existing);
        fs::remove(path.string() + ".txt");
        return path.string();
    }
    static std::map<std::string, std::string> WaitForRecord(const std::string& program) {
        return LauncherWorld::WaitForReport(program + ".txt");
    }
    static bool Recorded(const std::string& program) { return fs::exists(program + ".txt"); }

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
    // Not installed, from the CD-ROM: past the language question to the main dialog.
    static HWND StartFromCd(LauncherWorld& world, ui::Process& launcher, const char* folder = LauncherWorld::kCdRoot,
                            const char* language = nullptr, const std::string& program = LauncherWorld::CdLauncher()) {
        world.PutLauncherOnCd();
        launcher = LauncherWorld::StartLauncher(program, folder);
        HWND question = LauncherWorld::WaitForDialog(launcher);
        if (!question) return nullptr;
        if (language) ui::SelectComboItem(ui::Control(question, IDC_LANGUAGE_COMBO), language);
        ui::Click(ui::Control(question, IDOK));
        ui::WaitForWindowGone(question);
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
    const std::string browser = PlaceRecorder(fs::temp_directory_path() / "quimbo-browser" / "browser.exe");
    SetClassesValue(kWebHandlerKey, "\"" + browser + "\" \"%1\"");
    const std::string reader = PlaceRecorder(fs::temp_directory_path() / "quimbo-reader" / "AcroRd32.exe");
    SetClassesValue(kReaderKey, reader);
    for (int32_t language = 0; language < kLanguageCount; ++language) {
        LauncherWorld world;
        InstallWithReadmes(world, language);
        const std::string notepad = PlaceRecorder(world.InstallFolder() + "\\notepad.exe");
        fs::remove(browser + ".txt");
        fs::remove(reader + ".txt");
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
    const std::string notepad = PlaceRecorder(world.InstallFolder() + "\\notepad.exe");
    ui::Process launcher;
    HWND dialog = StartInstalled(world, launcher);
    ASSERT_NE(dialog, nullptr);
    ui::Click(ui::Control(dialog, IDC_README));
    EXPECT_EQ(WaitForRecord(notepad)["commandLine"], "notepad.exe \"v:\\Datas\\help\\Readme.txt\"");

    fs::create_directory("help");
    WriteBytes("help/Readme.txt", "installed");
    fs::remove(notepad + ".txt");
    world.RegisterSpelledOut(230);  // in notepad.exe "<folder>help\\Readme.txt": 259 characters, the most that fit
    ui::Click(ui::Control(dialog, IDC_README));
    EXPECT_EQ(WaitForRecord(notepad)["commandLine"].size(), 259u);
    fs::remove(notepad + ".txt");
    world.RegisterSpelledOut(231);
    ui::Click(ui::Control(dialog, IDC_README));
    PressManual(dialog);  // its question comes once the read-me's click is done
    EXPECT_NE(LauncherWorld::AnswerBox(launcher, dialog, IDNO), "");

    world.Uninstall();
    const std::string reader = PlaceRecorder(fs::temp_directory_path() / "quimbo-reader" / "AcroRd32.exe");
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
    const std::string installer = PlaceRecorder("V:\\Install\\Acrobat Reader\\ar40eng.exe");
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

// Not installed, from a folder of a game disc labelled otherwise (a burnt copy in W:) as a
// shortcut may start it, in the language picked: Install with Settings disabled, the
// marker there, nothing written to the disc. With no installer anywhere the localised
// request for the CD-ROM; then the one on the labelled disc; the disc's own comes first,
// but only while it is in: another disc in its drive (the launcher's file gone) is not ours.
TEST_F(Documents, InstallStartsSetupFromItsOwnDiscElseTheLabelledOneElseAsksForTheCd) {
    LauncherWorld world;
    ui::Process launcher;
    fs::create_directories("W:\\Datas");
    std::error_code ignored;  // a launcher left running still holds the folder
    fs::remove("W:\\setup.exe", ignored);
    HWND dialog = StartFromCd(world, launcher, "W:\\Datas", "Español");
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(ui::Text(ui::Control(dialog, IDC_PLAY)), "Instalar");
    EXPECT_FALSE(ui::IsEnabled(ui::Control(dialog, IDC_SETTINGS)));
    EXPECT_TRUE(ui::WindowOfClassExists(kMarkerWindowClass));
    ui::Click(ui::Control(dialog, IDC_PLAY));
    EXPECT_EQ(LauncherWorld::AnswerBox(launcher, dialog, IDOK), "Quimbo Marivel|Inserta del CD-ROM de Quimbo Marivel");
    EXPECT_TRUE(launcher.IsRunning());

    const std::string labelled = PlaceRecorder("V:\\setup.exe"), own = "W:\\setup.exe";
    for (const int round : {0, 1, 2}) {  // none on its own disc; one there; then another disc there
        if (round > 0) {
            fs::copy_file(LauncherWorld::LauncherProgram(), "W:\\Quimbo.exe", fs::copy_options::overwrite_existing);
            dialog = StartFromCd(world, launcher, "W:\\", nullptr, "W:\\Quimbo.exe");
            PlaceRecorder(own);
        }
        if (round == 2) fs::rename("W:\\Quimbo.exe", "W:\\Quimbo.old");
        fs::remove(labelled + ".txt", ignored);
        ui::Click(ui::Control(dialog, IDC_PLAY));
        EXPECT_TRUE(launcher.WaitForExit().has_value());
        const std::string expected = round == 1 ? own : labelled;
        const std::string folder = WaitForRecord(expected)["workingDirectory"];
        EXPECT_TRUE(folder.size() == 3 && _strnicmp(folder.c_str(), expected.c_str(), 3) == 0) << folder;
        EXPECT_EQ(Recorded(labelled) + 2 * Recorded(own), round == 1 ? 2 : 1) << round;
    }
    EXPECT_FALSE(fs::exists("W:\\bin\\config.pc"));
    for (const char* left : {"W:\\setup.exe", "W:\\setup.exe.txt", "V:\\setup.exe.txt", "W:\\Quimbo.old", "W:\\Datas"})
        fs::remove_all(left, ignored);
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
    world.Uninstall();
    PressManual(dialog);
    EXPECT_EQ(LauncherWorld::AnswerBox(launcher, dialog, IDOK), insertCd);
    Quit(dialog, launcher);
}

}  // namespace
