// Read me, the web site and the manual hand a document to another program and return
// at once; the launcher never waits for what it started.
#include <windows.h>
#include <shellapi.h>

#include <cstdio>

#include "launcher/launcher_dlg.h"
#include "launcher/state_steps.h"
#include "launcher/web_site.h"
#include "res/localized_text.h"
#include "settings/install_location.h"
#include "settings/path_text.h"
#include "state/launcher_state.h"

namespace {

constexpr const char* kReaderKey = "Software\\adobe\\acrobat\\exe";  // below HKEY_CLASSES_ROOT
constexpr const char* kReaderInstaller = "d:\\Install\\Acrobat Reader\\ar40eng.exe";
constexpr const char* kCdDataFolder = "d:\\Datas\\";  // the CD-ROM's copy of the help folder's parent

// "help\<stem>.txt" below `folder`, when that file is there.
bool FindReadme(const char* folder, char (&path)[kMaxPath]) {
    const CString stem = LoadMessage(IDS_README_FILE, gameConfig.languageIndex);
    char name[kMaxPath];
    std::snprintf(name, sizeof name, "help\\%s.txt", static_cast<const char*>(stem));
    return JoinText(path, folder, name) && FileOpensForReading(path);
}

// A CD-ROM path with the drive letter of the game's disc in place of the 'd'.
bool OnGameCd(const char* path, char (&onCd)[kMaxPath]) {
    const char drive = FindCdDrive();
    if (!drive || !CopyText(onCd, path)) return false;
    onCd[0] = drive;
    return true;
}

}  // namespace

void CLauncherDlg::OnReadme() {
    // The installed read-me; without an installation, or when it is missing, the one on
    // the CD-ROM. With neither, nothing is started rather than Notepad on a broken path.
    char readme[kMaxPath];
    char cdFolder[kMaxPath];
    const bool found = (FindInstalledGame() && FindReadme(installDir, readme)) ||
                       (OnGameCd(kCdDataFolder, cdFolder) && FindReadme(cdFolder, readme));
    if (!found) return;
    char commandLine[kMaxPath];
    if (std::snprintf(commandLine, sizeof commandLine, "notepad.exe \"%s\"", readme) >= int(sizeof commandLine))
        return;
    ::WinExec(commandLine, SW_SHOWDEFAULT);  // the result is not examined
}

void CLauncherDlg::OnWebsite() {
    ::ShellExecuteA(m_hWnd, "open", kWebSiteAddress, nullptr, nullptr, SW_SHOW);
}

void CLauncherDlg::OnManual() {
    const CString title = LoadMessage(IDS_TITLE, gameConfig.languageIndex);
    char reader[kMaxPath];
    LONG size = sizeof reader;
    if (::RegQueryValueA(HKEY_CLASSES_ROOT, kReaderKey, reader, &size) != ERROR_SUCCESS) {
        if (MessageBox(LoadMessage(IDS_ASK_INSTALL_ACROBAT, gameConfig.languageIndex), title, MB_YESNO) != IDYES)
            return;
        char installer[kMaxPath];
        if (!OnGameCd(kReaderInstaller, installer)) {
            MessageBox(LoadMessage(IDS_INSERT_CD, gameConfig.languageIndex), title, MB_OK);
            return;
        }
        ::ShellExecuteA(m_hWnd, "open", installer, nullptr, nullptr, SW_SHOW);
        return;  // the manual waits for the next click
    }

    char folder[kMaxPath];
    if (FindInstalledGame()) {
        if (!CopyText(folder, installDir)) return;
    } else if (!OnGameCd(kCdDataFolder, folder)) {
        MessageBox(LoadMessage(IDS_INSERT_CD, gameConfig.languageIndex), title, MB_OK);
        return;
    }
    char parameters[kMaxPath];
    const int length = std::snprintf(parameters, sizeof parameters, "\"%shelp\\manual%d.pdf\"", folder,
                                     static_cast<int>(gameConfig.languageIndex));
    if (length < 0 || length >= int(sizeof parameters)) return;  // too long to name: nothing to open
    ::ShellExecuteA(m_hWnd, "open", reader, parameters, nullptr, SW_SHOW);
}
