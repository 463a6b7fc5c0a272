#include "settings/install_paths.h"

#include <cstdio>
#include <cstring>

namespace {
bool JoinPath(char* out, unsigned size, const char* first, const char* second) {
    const int length = std::snprintf(out, size, "%s%s", first, second);
    return length >= 0 && unsigned(length) < size;
}
}  // namespace

bool CopyPath(char* out, unsigned size, const char* text) { return JoinPath(out, size, text, ""); }

bool MakeInstallPaths(const char* folder, InstallPaths& paths) {
    const size_t length = std::strlen(folder);
    const char* separator = length > 0 && folder[length - 1] == '\\' ? "" : "\\";
    return JoinPath(paths.installDir, sizeof paths.installDir, folder, separator) &&
           JoinPath(paths.gameExePath, sizeof paths.gameExePath, paths.installDir, "bin\\zorb.exe") &&
           JoinPath(paths.rootExePath, sizeof paths.rootExePath, paths.installDir, "Quimbo.exe");
}
