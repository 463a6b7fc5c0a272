#include "settings/install_paths.h"

#include <cstring>

#include "settings/path_text.h"

bool MakeInstallPaths(const char* folder, InstallPaths& paths) {
    const size_t length = std::strlen(folder);
    const char* separator = length > 0 && folder[length - 1] == '\\' ? "" : "\\";
    return JoinText(paths.installDir, folder, separator) &&
           JoinText(paths.gameExePath, paths.installDir, "bin\\zorb.exe") &&
           JoinText(paths.rootExePath, paths.installDir, "Quimbo.exe");
}
