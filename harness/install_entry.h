#pragma once
// The installation's registry entry, as an installer leaves it: the key and value the
// launcher looks up (settings/install_location_win.h), for the tests and the demo.
#include <filesystem>

// Wide: the folder may lie outside the code page. False when the entry was not written.
bool RegisterInstallation(const std::filesystem::path& folder);
void RemoveInstallation();
