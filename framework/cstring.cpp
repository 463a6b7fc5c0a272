#include "framework/cstring.h"

#include <vector>

#include "framework/instance.h"

BOOL CString::LoadString(UINT id) {
    // LoadStringA truncates silently; a result filling the buffer may have been cut,
    // so grow until it fits. A string resource holds at most 65535 characters.
    std::vector<char> buffer(256);
    for (;;) {
        const int length = ::LoadStringA(AfxGetInstanceHandle(), id, buffer.data(), static_cast<int>(buffer.size()));
        if (length <= 0) {
            m_text.clear();
            return FALSE;
        }
        if (static_cast<size_t>(length) < buffer.size() - 1 || buffer.size() > 65536) {
            m_text.assign(buffer.data(), static_cast<size_t>(length));
            return TRUE;
        }
        buffer.resize(buffer.size() * 2);
    }
}
