#!/bin/bash
# Times the hardware detection under Wine (not a test): runs detect-report.exe of the
# shipped 32-bit build (the 64-bit one where 32-bit programs cannot run) several times
# and prints, per step, the fastest and the median time, and the processor clock as
# Wine's registry, the measurement and /proc/cpuinfo give it.
# Usage: tools/bench-detect.sh [runs, default 5]. Build first (tools/build-all.sh).
# Every line it reads must be in the report: a report that changed stops it with the
# line it missed (the test command runs it once, with one run, for that reason).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
runs=${1:-5}
source "$root/tools/wine-builds.sh"
build=$root/build/$(shipped_or_standin_build)
report=$build/bench/detect-report.exe
[ -x "$build/wine-run.sh" ] && [ -f "$report" ] || { echo "build first (tools/build-all.sh): $report is missing" >&2; exit 1; }
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
# After our own trap: xvfb.sh sets the one that stops the display it starts.
source "$root/tools/xvfb.sh"
start_display_if_needed
for i in $(seq "$runs"); do
  "$build/wine-run.sh" "$report" | tr -d '\r' > "$out/run$i.txt"
done

# <pattern> [files...]: the report's lines that start with it; none is an error.
lines() {
  local pattern=$1; shift
  grep -h "^$pattern" "${@:-$out/run1.txt}" || { echo "bench-detect: the report has no line \"$pattern\"" >&2; exit 1; }
}
# <pattern>: fastest and median of the "(N ms)" figure over the runs.
summary() {
  lines "$1" "$out"/run*.txt | sed -E 's/.*\(([0-9.]+) ms\).*/\1/' | sort -g |
    awk '{ v[NR] = $1 } END { printf "min %8.1f ms   median %8.1f ms   (%d runs)\n", v[1], v[int((NR + 1) / 2)], NR }'
}
echo "== durations under Wine"
printf '%-44s' "ScanDirectDrawDevices with the probe:"; summary 'ScanDirectDrawDevices with the probe'
printf '%-44s' "OpenGL probe alone on a fresh window:"; summary 'probe on a fresh window'
printf '%-44s' "MeasureCpuMHzWithTsc:"; summary 'time-stamp measurement'
printf '%-44s' "DetectCpuMHz (whole):"; summary 'DetectCpuMHz'
echo "== DirectDraw's own calls (first run)"
lines 'DirectDraw'
echo "== processor clock"
registry=$(lines 'registry ~MHz' | sed -E 's/registry ~MHz: ([0-9]+).*/\1/')
measured=$(lines 'time-stamp measurement' "$out"/run*.txt | sed -E 's/.*: ([0-9]+) MHz.*/\1/' | tr '\n' ' ')
detected=$(lines 'DetectCpuMHz' "$out"/run*.txt | sed -E 's/DetectCpuMHz: ([0-9]+).*/\1/' | tr '\n' ' ')
divide=$(lines 'divide-flags test' | sed -E 's/.*: ([0-9]).*/\1/')
echo "registry ~MHz:        $registry"
echo "measured (each run):  $measured"
echo "DetectCpuMHz (each):  $detected"
echo "divide-flags test:    $divide"
echo "/proc/cpuinfo:        $(grep -m1 'cpu MHz' /proc/cpuinfo | sed 's/.*: //') MHz ($(grep -m1 'model name' /proc/cpuinfo | sed 's/.*: //'))"
echo "== what was found (first run)"
grep -vE '\(|^DirectDraw' "$out/run1.txt"
