#pragma once

#include <cstdio>
#include <string>

// Minimal check helper: reports every failure, the exit code tells ctest.
inline int& failure_count() {
    static int failures = 0;
    return failures;
}

inline void expect(bool ok, const std::string& what) {
    if (!ok) {
        ++failure_count();
        std::fprintf(stderr, "FAIL: %s\n", what.c_str());
    }
}

inline int test_result() {
    if (failure_count()) std::fprintf(stderr, "%d check(s) failed\n", failure_count());
    return failure_count() ? 1 : 0;
}
