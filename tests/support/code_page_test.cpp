#include <windows.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

// The runs under a Cyrillic locale (the *_cyrillic CTest entries) show nothing unless
// Wine took its code page: a locale never generated falls back to the Western one.
TEST(SystemCodePage, IsThatOfTheLocaleAsked) {
    const char* locale = std::getenv("LC_ALL");
    if (locale && std::strncmp(locale, "ru_RU", 5) == 0) { EXPECT_EQ(GetACP(), 1251u); }
}
