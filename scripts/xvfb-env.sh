# Sourced: starts a private virtual X display unless TARVIK_KEEP_DISPLAY is
# set and a display already exists; stops it with tarvik_stop_display.
tarvik_start_display() {
  if [ -n "${TARVIK_KEEP_DISPLAY:-}" ] && [ -n "${DISPLAY:-}" ]; then return; fi
  local n
  for n in $(seq 90 140); do
    if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then break; fi
  done
  Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  _tarvik_xvfb_pid=$!
  export DISPLAY=":$n"
  for _ in $(seq 1 50); do
    [ -e "/tmp/.X11-unix/X$n" ] && return
    sleep 0.1
  done
  echo "could not start Xvfb on :$n" >&2
  return 1
}

tarvik_stop_display() {
  if [ -n "${_tarvik_xvfb_pid:-}" ]; then
    kill "$_tarvik_xvfb_pid" 2>/dev/null || true
    wait "$_tarvik_xvfb_pid" 2>/dev/null || true
    _tarvik_xvfb_pid=""
  fi
}
