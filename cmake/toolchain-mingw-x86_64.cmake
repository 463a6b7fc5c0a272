# 64-bit Windows build of the same sources; it runs the Windows-side tests under wine64.
set(QUIMBO_MINGW_TRIPLET x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
