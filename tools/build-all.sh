#!/bin/bash
# Configures and builds the three builds: host (logic tests under sanitizers), the
# 32-bit Windows product and the 64-bit Windows build. Build folders live in build/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
jobs=$(nproc)
configure_and_build() {  # <folder> [cmake options...]
  local dir="$root/build/$1"; shift
  cmake -S "$root" -B "$dir" "$@" >/dev/null
  cmake --build "$dir" -j"$jobs"
}
source "$root/tools/llvm.sh"
# The host build's sanitizers are LLVM's, of the same version as the fuzzers'.
configure_and_build host -DCMAKE_CXX_COMPILER="clang++-$llvm_version"
# The 32-bit tests are built even where they cannot run, so that code compiling only
# for 64 bits stops the build here; unoptimised, which saves a quarter of their cost.
# The Windows builds carry no debug information: the product ships stripped, and it
# would cost a third of their compile time.
configure_and_build win32 -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-mingw-i686.cmake" -DCMAKE_BUILD_TYPE=Release \
    -DQUIMBO_BUILD_TESTS=ON "-DQUIMBO_TEST_COMPILE_OPTIONS=-O0"
configure_and_build win64 -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-mingw-x86_64.cmake" -DCMAKE_BUILD_TYPE=Release
