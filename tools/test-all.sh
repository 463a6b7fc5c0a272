#!/bin/bash
# Builds everything and runs every test: host tests under sanitizers, a short fuzzing
# run, and the Windows-side tests under Wine on an X display (Xvfb when none is set).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
start=$(date +%s)
"$root/tools/install-deps.sh"
echo "== Wine's libraries"
"$root/tools/check-wine-libraries.sh"
echo "== formatting"
"$root/tools/check-format.sh"
"$root/tools/build-all.sh"

echo "== host tests"
ctest --test-dir "$root/build/host" --output-on-failure -j"$(nproc)"

echo "== fuzzing the file readers (${QUIMBO_FUZZ_SECONDS:=5} s each)"
source "$root/tools/llvm.sh"
cmake -S "$root" -B "$root/build/fuzz" -DQUIMBO_FUZZ=ON -DCMAKE_CXX_COMPILER="clang++-$llvm_version" >/dev/null
cmake --build "$root/build/fuzz" -j"$(nproc)"
for target in ini config; do
  corpus="$root/build/fuzz/corpus-$target"
  mkdir -p "$corpus"
  "$root/build/fuzz/tests/fuzz/fuzz_$target" -max_total_time="$QUIMBO_FUZZ_SECONDS" -print_final_stats=0 \
      "$corpus" "$root/tests/fuzz/corpus/$target" 2>&1 | tail -n 1
done

echo "== Windows-side tests under Wine"
source "$root/tools/xvfb.sh"
start_display_if_needed
# In parallel: the tests that share a Wine prefix say so to CTest (fixtures), and most of
# a Windows-side test's time is spent waiting for windows, not computing.
run_windows_tests() {  # <build folder>
  local status=0 prefix
  ctest --test-dir "$root/build/$1" --output-on-failure -j"$(nproc)" || status=$?
  for prefix in "$root/build/$1"/wineprefix*/; do WINEPREFIX=$prefix wineserver -k 2>/dev/null || true; done
  return $status
}
source "$root/tools/wine-builds.sh"
# The shipped 32-bit product runs its own suite wherever 32-bit programs run: a fault that
# shows only in 32 bits (a callback's calling convention, say) must stop the run.
if runs_32bit_programs; then
  run_windows_tests win32
  ran="win32 (the shipped 32-bit product) and win64"
else
  ran="win64 only: this machine cannot run 32-bit programs, so the 32-bit product was built and checked as a file, not run"
fi
run_windows_tests win64

# Once each, in their smallest form: a script that no longer reads its program's output
# fails here, not in a user's hands. Their figures mean nothing from a single run.
echo "== benchmark scripts, one run each"
"$root/tools/bench-detect.sh" 1
"$root/tools/bench-startup.sh" 1
/usr/bin/python3 "$root/tools/bench-image-read.py"
echo "== Windows-side tests ran for: $ran"
echo "== all tests passed in $(( $(date +%s) - start )) s"
