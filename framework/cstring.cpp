#include "framework/cstring.h"

#include <cstdarg>
#include <cstdio>
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

void CString::Format(const char* format, ...) {
    va_list args;
    va_start(args, format);
    va_list measure;
    va_copy(measure, args);
    const int length = std::vsnprintf(nullptr, 0, format, measure);
    va_end(measure);
    if (length < 0) {
        m_text.clear();
    } else {
        std::vector<char> buffer(static_cast<size_t>(length) + 1);
        std::vsnprintf(buffer.data(), buffer.size(), format, args);
        m_text.assign(buffer.data(), static_cast<size_t>(length));
    }
    va_end(args);
}
