// Registers a demo installation as an installer would:  register_install <folder>
// Prints where the entry went.
#include <cstdio>

#include "harness/install_entry.h"
#include "settings/install_location_win.h"

int main(int argc, char** argv) {
    if (argc != 2 || !RegisterInstallation(argv[1])) {
        std::fprintf(stderr, "usage: register_install <installation folder>\n");
        return 1;
    }
    std::printf("HKCU\\%s\n", QUIMBO_INSTALL_KEY);
    return 0;
}
