#include "harness/install_entry.h"

#include <windows.h>

#include <string>

#include "settings/install_location_win.h"

bool RegisterInstallation(const std::filesystem::path& folder) {
    HKEY key;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, kInstallKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) !=
        ERROR_SUCCESS)
        return false;
    const std::wstring text = folder.wstring();
    const LONG status = RegSetValueExW(key, kInstallValue, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                                       DWORD((text.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(key);
    return status == ERROR_SUCCESS;
}

void RemoveInstallation() { RegDeleteKeyW(HKEY_CURRENT_USER, kInstallKey); }
