# Shared warning set; applied per target with quimbo_warnings(<target>).
function(quimbo_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wshadow -Wformat=2 -Wno-missing-field-initializers)
endfunction()
