#!/bin/bash
# Times the launcher's start to its painted main dialog under Wine, with a saved record
# and on a first run, against an empty Win32 dialog program, the floor (the system calls
# the launcher cannot do without) and the processor measurement alone; the phases from
# the traced build's trace; and a second launcher beside the first (not a test).
# Usage: tools/bench-startup.sh [runs, default 7]. Figures under load are noisy: the
# load average is printed before and after.
# Measures the shipped 32-bit build where this machine runs 32-bit programs, the 64-bit
# build otherwise. Build first (tools/build-all.sh).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/tools/wine-builds.sh"
name=$(shipped_or_standin_build)
build=$root/build/$name
echo "build: $name"
export QUIMBO_WINEPREFIX="$root/build/bench/wineprefix"
source "$root/tools/xvfb.sh"
start_display_if_needed
install_path=$("$root/tools/prepare-wine-demo.sh" "$build/wine-run.sh" "$root/dist/$name" "$root/build/bench")
echo "load average before: $(cut -d' ' -f1-3 /proc/loadavg)"
"$build/wine-run.sh" "$build/bench/startup_bench.exe" "${install_path%\\}" "Z:$build/bench" \
    "Z:$build/launcher/QuimboTraced.exe" "${1:-7}" | tr -d '\r'
echo "load average after: $(cut -d' ' -f1-3 /proc/loadavg)"
WINEPREFIX=$QUIMBO_WINEPREFIX wineserver -k
