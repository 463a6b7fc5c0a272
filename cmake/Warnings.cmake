# Shared warning set; applied per target with quimbo_warnings(<target>), so to our own
# code only, never to GoogleTest's sources. Every warning stops the build, so that a new
# compiler's new warning is seen the day it arrives (`cmake --compile-no-warning-error`
# lets one build go on to see them all).
# Errors even then: a callback cast to a function type it does not have (a window or dialog
# procedure with the wrong parameters), a calling convention GCC ignores where it was
# written, and in C a __stdcall pointer passed where a cdecl one is expected. GCC 12
# still lets an explicit C++ cast change the convention alone: only running the
# 32-bit build finds that.
function(quimbo_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wshadow -Wformat=2 -Wno-missing-field-initializers
    -Werror=cast-function-type -Werror=attributes $<$<COMPILE_LANGUAGE:C>:-Werror=incompatible-pointer-types>)
  set_target_properties(${target} PROPERTIES COMPILE_WARNING_AS_ERROR ON)
endfunction()
