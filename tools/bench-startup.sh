#!/bin/bash
# Times the launcher's start to its painted main dialog under Wine against an empty
# Win32 dialog program, the processor measurement alone, the launcher's phases from its
# trace (QUIMBO_TRACE) and a second launcher beside the first (not a test).
# Usage: tools/bench-startup.sh [runs, default 7]. Figures under load are noisy: the
# load average is printed before and after.
# Build win64 first (tools/build-all.sh); uses the demo installation of dist/win64.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build/win64
export WINEPREFIX="$root/build/bench/wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
source "$root/tools/xvfb.sh"
start_display_if_needed
install_path=$("$root/tools/demo/prepare-wine-demo.sh" "$root/dist/win64" "$root/build/bench")
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
echo "load average before: $(cut -d' ' -f1-3 /proc/loadavg)"
wine "$build/tools/bench/startup_bench.exe" "${install_path%\\}" "Z:$build/tools/bench/empty_dialog.exe" "${1:-7}" | tr -d '\r'
echo "load average after: $(cut -d' ' -f1-3 /proc/loadavg)"
wineserver -k
