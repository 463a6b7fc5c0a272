#!/bin/sh
# A CTest fixture for one Wine prefix (quimbo_wine_prefix_fixture): on setup, lays out
# the prefix's drives with <layout> and then keeps its wine server and Wine's own
# programs running for the tests that require the fixture; on cleanup, ends them and
# removes the drives. They are started here with their output closed: CTest waits for
# a test's output to close, and a server that a test started would hold it for seconds.
# With QUIMBO_OWN_DISPLAY=1 the prefix's programs also get an X display of their own
# (an Xvfb, named in <prefix>.display for wine-run.sh): the focus of a shared display
# would pass between its windows and those of the tests running beside it.
#   wine-prefix.sh setup|cleanup <wine-run.sh> <prefix> <layout script> [layout arguments...]
# The layout is run as: sh <layout> setup|cleanup <wine-run.sh> <prefix> [layout arguments...]
set -eu
action=$1 wine_run=$2 prefix=$3 layout=$4
export QUIMBO_WINEPREFIX="$prefix"  # wine-run.sh runs in this prefix
shift 4
# First the server and the display of an earlier setup end, whatever the layout does
# after: drives are read when the server starts, and neither may outlive the fixture.
WINEPREFIX=$prefix wineserver -k 2>/dev/null || true
[ -f "$prefix.display.pid" ] && kill "$(cat "$prefix.display.pid")" 2>/dev/null || true
rm -f "$prefix.display" "$prefix.display.pid"
# The layout's trace and its Wine programs' output go to a file, shown when it fails: a
# wine server they start would keep a pipe open, and CTest would wait for it.
log=$prefix.$action.log
sh -x "$layout" "$action" "$wine_run" "$prefix" "$@" </dev/null >"$log" 2>&1 || { cat "$log" >&2; exit 1; }
if [ "$action" = setup ]; then
  if [ "${QUIMBO_OWN_DISPLAY:-}" = 1 ]; then
    . "$(dirname "$0")/../../tools/xvfb.sh"
    start_xvfb
    echo "$QUIMBO_XVFB_PID" >"$prefix.display.pid"
    echo "$QUIMBO_XVFB_DISPLAY" >"$prefix.display"
  fi
  # Kept for the run's tests, and still gone five minutes after them when a run stopped
  # before its cleanup.
  WINEPREFIX=$prefix wineserver -p300 </dev/null >/dev/null 2>&1
  "$wine_run" cmd /c exit </dev/null >/dev/null 2>&1
fi
