# Sourced: gives the caller a display. Without $DISPLAY it starts Xvfb on a free
# display number and stops it when the calling shell exits.
start_display_if_needed() {
  [ -n "${DISPLAY:-}" ] && return 0
  local n=90
  # A server is also known by its abstract socket, which a chroot shares with the host:
  # there the files alone would miss the host's servers, and clients would reach them.
  while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] ||
        grep -q "@/tmp/.X11-unix/X$n\$" /proc/net/unix 2>/dev/null; do
    n=$((n + 1))
  done
  Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  QUIMBO_XVFB_PID=$!
  trap 'kill $QUIMBO_XVFB_PID 2>/dev/null' EXIT
  for _ in $(seq 100); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.1; done
  export DISPLAY=":$n"
}
