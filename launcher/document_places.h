#pragma once
// What the document buttons open outside the installation's own files.
// The product web site: its host on the button and its address, the same in every
// language.
constexpr const wchar_t* kWebSiteHost = L"www.quimbo-marivel.example";
constexpr const char* kWebSiteAddress = "http://www.quimbo-marivel.example/";
// The PDF reader's program, the default value of this key below HKEY_CLASSES_ROOT.
constexpr const char* kReaderKey = "Software\\adobe\\acrobat\\exe";
