# For test programs that may only be compiled, not run (the 32-bit ones on machines
# without 32-bit support): "-O0;-g0" saves a quarter of their build time. The code
# under test keeps the product's options.
set(QUIMBO_TEST_COMPILE_OPTIONS "" CACHE STRING "Extra compile options for the test programs and GoogleTest")
# Host: Debian's packaged GoogleTest. Windows: build it from Debian's sources with the MinGW compiler.
if(WIN32)
  set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  set(QUIMBO_GTEST_SOURCE /usr/src/googletest/googletest CACHE PATH "GoogleTest sources for the Windows build")
  add_subdirectory(${QUIMBO_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  target_compile_options(gtest PRIVATE ${QUIMBO_TEST_COMPILE_OPTIONS})
  target_compile_options(gtest_main PRIVATE ${QUIMBO_TEST_COMPILE_OPTIONS})
else()
  find_package(GTest REQUIRED)
endif()
include(GoogleTest)

# MinGW spends most of a test file's compile time on GoogleTest's and Windows' headers:
# they are compiled once, and every test program reuses them.
if(WIN32)
  file(WRITE ${CMAKE_BINARY_DIR}/test_pch.cpp "")
  add_library(test_pch OBJECT ${CMAKE_BINARY_DIR}/test_pch.cpp)
  target_link_libraries(test_pch PRIVATE GTest::gtest)
  target_compile_options(test_pch PRIVATE ${QUIMBO_TEST_COMPILE_OPTIONS})
  quimbo_warnings(test_pch)
  target_precompile_headers(test_pch PRIVATE <windows.h> <gtest/gtest.h> <string> <vector>)
endif()

# A CTest fixture <fixture> for one Wine prefix: on setup <layout> lays out its drives
# (sh <layout> setup|cleanup <wine-run.sh> <prefix> args...), then its wine server is kept
# running until cleanup (tests/support/wine-prefix.sh). The tests of the build folder's
# own prefix require wine_prefix; a test that needs a world apart has a prefix of its own
# (QUIMBO_WINEPREFIX), so that tests run in parallel and in any order.
function(quimbo_wine_prefix_fixture fixture prefix layout)
  foreach(action setup cleanup)
    add_test(NAME ${fixture}_${action} COMMAND sh ${CMAKE_SOURCE_DIR}/tests/support/wine-prefix.sh ${action}
             ${CMAKE_BINARY_DIR}/wine-run.sh ${prefix} ${layout} ${ARGN})
  endforeach()
  set_tests_properties(${fixture}_setup PROPERTIES FIXTURES_SETUP ${fixture})
  set_tests_properties(${fixture}_cleanup PROPERTIES FIXTURES_CLEANUP ${fixture})
endfunction()

# One test program per subsystem; under Wine each whole program is one CTest test,
# since starting Wine once per test case would be slow.
function(quimbo_add_test name)
  add_executable(${name} ${ARGN})
  target_compile_options(${name} PRIVATE ${QUIMBO_TEST_COMPILE_OPTIONS})
  target_link_libraries(${name} PRIVATE test_main)
  quimbo_warnings(${name})
  if(WIN32)
    target_precompile_headers(${name} REUSE_FROM test_pch)
  endif()
  if(CMAKE_CROSSCOMPILING)
    add_test(NAME ${name} COMMAND ${name} --gtest_color=no WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
    set_tests_properties(${name} PROPERTIES FIXTURES_REQUIRED wine_prefix)
  else()
    gtest_discover_tests(${name} WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
  endif()
endfunction()

# A test program once more under a Cyrillic system locale (Wine then takes code page
# 1251, which lacks the Western letters), for the tests that read the texts as the
# user sees them. The locale must be generated (tools/install-deps.sh); each such run
# first checks that Wine took its code page, and that each pattern of the filter names a
# test (tests/support/test_main.cpp).
function(quimbo_add_cyrillic_run name filter)
  if(CMAKE_CROSSCOMPILING)
    add_test(NAME ${name}_cyrillic COMMAND ${name} --gtest_color=no --gtest_filter=${filter}
             WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
    set_tests_properties(${name}_cyrillic PROPERTIES ENVIRONMENT "LANG=ru_RU.UTF-8;LC_ALL=ru_RU.UTF-8"
                         FIXTURES_REQUIRED wine_prefix)
  endif()
endfunction()
