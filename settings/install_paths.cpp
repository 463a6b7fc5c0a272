#include "settings/install_paths.h"

#include "settings/path_text.h"

bool MakeInstallPaths(const char* folder, InstallPaths& paths) {
    return JoinPath(paths.installDir, folder, "") &&
           JoinText(paths.gameExePath, paths.installDir, QUIMBO_GAME_PROGRAM) &&
           JoinText(paths.rootExePath, paths.installDir, QUIMBO_ROOT_PROGRAM);
}
