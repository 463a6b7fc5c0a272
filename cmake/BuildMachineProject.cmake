# The settings of a build-time tool's own project (see BuildMachineTool.cmake): the
# language level and warnings of the rest of the repository.
set(CMAKE_CXX_STANDARD 17)
set(CMAKE_CXX_STANDARD_REQUIRED ON)
set(CMAKE_CXX_EXTENSIONS OFF)
if(NOT CMAKE_BUILD_TYPE AND NOT CMAKE_CONFIGURATION_TYPES)
  set(CMAKE_BUILD_TYPE Release CACHE STRING "Build type" FORCE)
endif()
include(${CMAKE_CURRENT_LIST_DIR}/Warnings.cmake)
