#pragma once
// An ANSI string owning its bytes. Texts shown to the user come from the module's
// string table through LoadString, converted by the system to the ANSI code page.
#include <windows.h>

#include <string>

class CString {
public:
    CString() = default;
    CString(const char* text) : m_text(text ? text : "") {}

    CString& operator=(const char* text) {
        m_text = text ? text : "";
        return *this;
    }

    operator const char*() const { return m_text.c_str(); }
    int GetLength() const { return static_cast<int>(m_text.size()); }

    // Loads string resource `id` of this module. On failure the string is empty and
    // the result FALSE.
    BOOL LoadString(UINT id);

    friend bool operator==(const CString& a, const CString& b) { return a.m_text == b.m_text; }
    friend bool operator!=(const CString& a, const CString& b) { return a.m_text != b.m_text; }

private:
    std::string m_text;
};
