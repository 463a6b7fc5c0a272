# Sourced (by bash or sh): Xvfb displays for the scripts and the tests' fixtures.
# Xvfb picks the display number itself (-displayfd), one that no other server holds,
# a host's included when we run in its chroot, so two starts at once cannot collide.

# Starts an Xvfb; sets QUIMBO_XVFB_PID and QUIMBO_XVFB_DISPLAY (":<n>"). Fails when it
# is not ready within ten seconds.
start_xvfb() {
  local number
  number=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$number" </dev/null >/dev/null 2>&1 &
  QUIMBO_XVFB_PID=$!
  for _ in $(seq 100); do [ -s "$number" ] && break; sleep 0.1; done
  QUIMBO_XVFB_DISPLAY=":$(cat "$number")"
  rm -f "$number"
  [ "$QUIMBO_XVFB_DISPLAY" != ":" ] || { echo "xvfb.sh: Xvfb did not start" >&2; return 1; }
}

# Gives the caller a display: $DISPLAY, or an Xvfb stopped when the calling shell exits.
start_display_if_needed() {
  [ -n "${DISPLAY:-}" ] && return 0
  start_xvfb || return 1
  trap 'kill $QUIMBO_XVFB_PID 2>/dev/null' EXIT
  export DISPLAY="$QUIMBO_XVFB_DISPLAY"
}
