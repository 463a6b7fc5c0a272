#include "framework/cstring.h"

#include "framework/instance.h"

BOOL CString::LoadString(UINT id) {
    // With no buffer, LoadStringW hands back the resource's own characters and their
    // count (not zero-terminated), so nothing is cut short.
    const wchar_t* resource = nullptr;
    const int length = ::LoadStringW(AfxGetInstanceHandle(), id, reinterpret_cast<LPWSTR>(&resource), 0);
    if (length <= 0 || !resource) {
        m_text.clear();
        return FALSE;
    }
    m_text.assign(resource, static_cast<size_t>(length));
    return TRUE;
}
