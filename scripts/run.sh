#!/usr/bin/env bash
# Sets up, builds and runs Tarvik under Wine in a virtual desktop, where its
# tray icon shows. Wine here sees no game controller, so the virtual
# controller stands in, with a demo configuration for it.
#
#     bash scripts/run.sh [options]   start Tarvik; options as on Windows
#                                     (LOAD:"file.cfg", START:"prog.exe",
#                                     AUTOSTART, ONEONLY)
#     bash scripts/run.sh --quit      end the running Tarvik (its QUIT option)
#
# Tarvik runs in build/run/, which holds its configuration files: the demo
# configuration is written there as tarvik7.cfg unless one exists. Set
# TARVIK_REAL_DEVICES=1 to use Wine's own DirectInput instead of the virtual
# controller.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
rundir="$root/build/run"
exe="$root/build/windows/bin/tarvik.exe"

source scripts/wine-env.sh
source scripts/xvfb-env.sh
if [ -z "${TARVIK_REAL_DEVICES:-}" ]; then
  export WINEDLLOVERRIDES="mscoree,mshtml=;dinput8,xinput1_4=n,b"
fi

if [ "${1:-}" = "--quit" ]; then
  if [ -z "${DISPLAY:-}" ] && [ -f "$rundir/display" ]; then
    export DISPLAY="$(cat "$rundir/display")"
  fi
  if [ ! -f "$exe" ] || [ -z "${DISPLAY:-}" ]; then
    echo "no Tarvik started by this script is running"
    exit 0
  fi
  cd "$rundir"
  # The same virtual desktop, so QUIT finds the running instance's window.
  exec wine explorer /desktop=tarvik "$exe" QUIT
fi

bash scripts/setup.sh
bash scripts/build.sh windows

mkdir -p "$rundir"
if [ -z "${DISPLAY:-}" ]; then
  tarvik_start_display
  echo "$DISPLAY" >"$rundir/display"
  stop() {
    wineserver -k >/dev/null 2>&1 || true
    tarvik_stop_display
    rm -f "$rundir/display"
  }
  trap stop EXIT
  echo "Running on the virtual display $DISPLAY (no X display was set);"
  echo "watch it with: x11vnc -display $DISPLAY, or take a picture with: import -display $DISPLAY -window root shot.png"
fi
tarvik_wine_prefix

cd "$rundir"
cp -f "$root/build/windows/bin/tarvik7.chm" . 2>/dev/null || true
if [ ! -f tarvik7.cfg ]; then
  wine "$root/build/windows/bin/tarvik-cfg.exe" write "$root/tools/demo_config/demo.txt" -o tarvik7.cfg
  echo "wrote the demo configuration $rundir/tarvik7.cfg"
fi
cat <<'TEXT'
Tarvik runs in the tray of the Wine desktop "tarvik". Its demo configuration:
virtual buttons 1-3 type "Hello", " from Tarvik" and "!", 4 is Enter, 5 Backspace,
the hat steers the cursor keys, and holding button 12 types capitals.
Press them from another shell:
  source scripts/wine-env.sh; wine build/windows/bin/vcctl.exe button 1 down
End it with: bash scripts/run.sh --quit
TEXT
wine explorer /desktop=tarvik,1024x768 "$exe" "$@"
