# The shipped product: 32-bit Windows, built with Debian's MinGW-w64 (posix threads).
set(QUIMBO_MINGW_TRIPLET i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
