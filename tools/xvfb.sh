# Sourced: starts an Xvfb of our own on a free display and exports DISPLAY; it is stopped
# when the sourcing shell exits. An argument sets the screen (default 1280x1024x24).
start_xvfb() {
  local screen=${1:-1280x1024x24}
  # A Wine server left from an earlier run is tied to that run's display: end it first.
  wineserver -k >/dev/null 2>&1 || true
  local n=90
  while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
  Xvfb ":$n" -screen 0 "$screen" -nolisten tcp >/dev/null 2>&1 &
  XVFB_PID=$!
  export DISPLAY=":$n"
  for _ in $(seq 100); do
    [ -e "/tmp/.X11-unix/X$n" ] && break
    sleep 0.1
  done
  trap 'wineserver -k >/dev/null 2>&1 || true; kill $XVFB_PID 2>/dev/null || true' EXIT
}
