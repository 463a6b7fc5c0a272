#pragma once
// The product web site: its host on the button and its address, the same in every
// language.
constexpr const wchar_t* kWebSiteHost = L"www.quimbo-marivel.example";
constexpr const char* kWebSiteAddress = "http://www.quimbo-marivel.example/";
