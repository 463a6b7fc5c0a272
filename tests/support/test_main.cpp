// The test programs' main: GoogleTest's own, and two checks of the run itself, made
// before the first test.
// - A run that names its tests (--gtest_filter, GTEST_FILTER) fails when it selects none
//   or when one of its patterns names no test: a renamed test cannot drop out unseen.
// - Under a Cyrillic locale (the *_cyrillic CTest entries) Wine must have taken code page
//   1251: a locale never generated falls back to the Western one and the run shows nothing.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <sstream>
#include <string>
#ifdef _WIN32
#include <windows.h>
#endif

namespace {

// GoogleTest's patterns: '*' stands for any run of characters, '?' for any one.
bool Matches(const char* pattern, const char* name) {
    if (*pattern == '*') return Matches(pattern + 1, name) || (*name && Matches(pattern, name + 1));
    if (!*pattern || !*name) return !*pattern && !*name;
    return (*pattern == '?' || *pattern == *name) && Matches(pattern + 1, name + 1);
}

bool NamesATest(const testing::UnitTest& unit, const std::string& pattern) {
    for (int i = 0; i < unit.total_test_suite_count(); ++i) {
        const testing::TestSuite& suite = *unit.GetTestSuite(i);
        for (int j = 0; j < suite.total_test_count(); ++j)
            if (Matches(pattern.c_str(), (std::string(suite.name()) + "." + suite.GetTestInfo(j)->name()).c_str()))
                return true;
    }
    return false;
}

struct RunCheck : testing::EmptyTestEventListener {
    void OnTestProgramStart(const testing::UnitTest& unit) override {
        std::string filter = GTEST_FLAG_GET(filter);
        if (filter != "*") {
            if (unit.test_to_run_count() == 0) ADD_FAILURE() << "the filter " << filter << " selects no test";
            std::replace(filter.begin(), filter.end(), '-', ':');  // the negative patterns must name tests too
            std::istringstream patterns(filter);
            for (std::string pattern; std::getline(patterns, pattern, ':');)
                if (!pattern.empty() && !NamesATest(unit, pattern))
                    ADD_FAILURE() << "the filter's pattern " << pattern << " names no test";
        }
#ifdef _WIN32
        const char* locale = std::getenv("LC_ALL");
        if (locale && std::strncmp(locale, "ru_RU", 5) == 0) {
            EXPECT_EQ(GetACP(), 1251u) << "Wine did not take the code page of " << locale;
        }
#endif
    }
};

}  // namespace

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    testing::UnitTest::GetInstance()->listeners().Append(new RunCheck);
    return RUN_ALL_TESTS();
}
