# Programs that run during the build (the picture painter, the header marker) are built
# for the build machine: each is a project of its own, configured without the toolchain
# file, so with the host compiler. Sets <out_var> to the program's path.
include(ExternalProject)
function(quimbo_build_machine_tool name source_dir program_name out_var)
  set(dir ${CMAKE_CURRENT_BINARY_DIR}/${name})
  set(program ${dir}/${program_name}${CMAKE_HOST_EXECUTABLE_SUFFIX})
  ExternalProject_Add(${name}
    SOURCE_DIR ${source_dir}
    BINARY_DIR ${dir}
    CMAKE_ARGS -DCMAKE_BUILD_TYPE=Release
    # Without the outer make's job server flags, which the inner build cannot use.
    BUILD_COMMAND ${CMAKE_COMMAND} -E env --unset=MAKEFLAGS ${CMAKE_COMMAND} --build <BINARY_DIR> --target ${program_name}
    BUILD_ALWAYS ON
    BUILD_BYPRODUCTS ${program}
    INSTALL_COMMAND "")
  set(${out_var} ${program} PARENT_SCOPE)
endfunction()
