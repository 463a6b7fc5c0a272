#pragma once
// A UTF-16 string owning its characters: the texts shown to the user, as the module's
// string table holds them. The ANSI code page would lose what it lacks (French on a
// Cyrillic system, any language's own name on an East Asian one).
#include <windows.h>

#include <string>

class CString {
public:
    CString() = default;
    CString(const wchar_t* text) : m_text(text ? text : L"") {}

    CString& operator=(const wchar_t* text) {
        m_text = text ? text : L"";
        return *this;
    }

    operator const wchar_t*() const { return m_text.c_str(); }
    int GetLength() const { return static_cast<int>(m_text.size()); }

    // Loads string resource `id` of this module. On failure the string is empty and
    // the result FALSE.
    BOOL LoadString(UINT id);

    friend bool operator==(const CString& a, const CString& b) { return a.m_text == b.m_text; }
    friend bool operator!=(const CString& a, const CString& b) { return a.m_text != b.m_text; }

private:
    std::wstring m_text;
};
