// Read me, the web site and the manual hand a document to another program and return
// at once; the launcher never waits for what it started.
#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <cstring>

#include "launcher/document_places.h"
#include "launcher/launcher_dlg_win.h"
#include "launcher/state_steps_win.h"
#include "res/localized_text_win.h"
#include "settings/install_location_win.h"
#include "settings/path_text.h"
#include "state/launcher_state.h"

namespace {

constexpr CdPathTemplate kReaderInstallerTemplate{"d:\\Install\\Acrobat Reader\\ar40eng.exe"};
constexpr CdPathTemplate kCdDataFolderTemplate{"d:\\Datas\\"};  // the help folder's parent on the CD-ROM

// An snprintf result: false when the text failed or was cut short.
bool Fits(int length, size_t size) { return length >= 0 && size_t(length) < size; }

// "help\<stem>.txt" below `folder`, when that file is there.
bool FindReadme(const char* folder, char (&path)[kMaxPath]) {
    // A file name, so in the code page the system names files in.
    char stem[kMaxPath];
    if (!::WideCharToMultiByte(CP_ACP, 0, LoadMessage(IDS_README_FILE, gameConfig.languageIndex), -1, stem, sizeof stem,
                               nullptr, nullptr))
        return false;
    char name[kMaxPath];
    return Fits(std::snprintf(name, sizeof name, "help\\%s.txt", stem), sizeof name) && JoinText(path, folder, name) &&
           FileOpensForReading(path);
}

}  // namespace

void CLauncherDlg::OnReadme() {
    // The installed read-me; without an installation, or when it is missing, the one on
    // the CD-ROM. With neither, nothing is started rather than Notepad on a broken path.
    char readme[kMaxPath];
    char cdFolder[kMaxPath];
    const bool found = (FindInstalledGame() && FindReadme(installDir, readme)) ||
                       (LocateOnGameCd(kCdDataFolderTemplate, cdFolder) && FindReadme(cdFolder, readme));
    if (!found) return;
    char commandLine[kMaxPath];
    if (!Fits(std::snprintf(commandLine, sizeof commandLine, "notepad.exe \"%s\"", readme), sizeof commandLine)) return;
    ::WinExec(commandLine, SW_SHOWDEFAULT);  // the result is not examined
}

void CLauncherDlg::OnWebsite() { ::ShellExecuteA(m_hWnd, "open", kWebSiteAddress, nullptr, nullptr, SW_SHOW); }

void CLauncherDlg::OnManual() {
    const CString title = LoadMessage(IDS_TITLE, gameConfig.languageIndex);
    // One byte more than a path takes, and zeros behind the value: one stored without its
    // terminating zero still ends here, and one that long names no reader.
    char reader[kMaxPath + 1] = {};
    LONG size = sizeof reader;
    const bool registered = ::RegQueryValueA(HKEY_CLASSES_ROOT, kReaderKey, reader, &size) == ERROR_SUCCESS;
    reader[kMaxPath] = '\0';
    if (!registered || std::strlen(reader) >= kMaxPath) {
        if (MessageBox(LoadMessage(IDS_ASK_INSTALL_ACROBAT, gameConfig.languageIndex), title, MB_YESNO) != IDYES)
            return;
        char installer[kMaxPath];
        if (!LocateOnGameCd(kReaderInstallerTemplate, installer)) {
            MessageBox(LoadMessage(IDS_INSERT_CD, gameConfig.languageIndex), title, MB_OK);
            return;
        }
        ::ShellExecuteA(m_hWnd, "open", installer, nullptr, nullptr, SW_SHOW);
        return;  // the manual waits for the next click
    }

    char folder[kMaxPath];
    if (FindInstalledGame()) {
        if (!CopyText(folder, installDir)) return;
    } else if (!LocateOnGameCd(kCdDataFolderTemplate, folder)) {
        MessageBox(LoadMessage(IDS_INSERT_CD, gameConfig.languageIndex), title, MB_OK);
        return;
    }
    char parameters[kMaxPath];
    if (!Fits(std::snprintf(parameters, sizeof parameters, "\"%shelp\\manual%d.pdf\"", folder,
                            static_cast<int>(gameConfig.languageIndex)),
              sizeof parameters))
        return;  // too long to name: nothing to open
    ::ShellExecuteA(m_hWnd, "open", reader, parameters, nullptr, SW_SHOW);
}
