#!/usr/bin/env bash
# Sets up, builds and runs Tarvik under Wine in a virtual desktop. Without a
# real game controller the virtual controller stands in as a demo device.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
bash scripts/build.sh windows

exe=build/windows/bin/tarvik.exe
if [ ! -f "$exe" ]; then
  echo "Tarvik is not complete yet: the core and its tests build, but the program itself"
  echo "(start-up, tray and windows) does not exist yet. Run scripts/test.sh for the tests."
  exit 1
fi

source scripts/wine-env.sh
source scripts/xvfb-env.sh
if [ -z "${DISPLAY:-}" ]; then
  tarvik_start_display
  echo "Running on the virtual display $DISPLAY (no X display was set)."
fi
tarvik_wine_prefix

dll=build/windows/bin/dinput8.dll
if [ -f "$dll" ]; then
  export WINEDLLOVERRIDES="mscoree,mshtml=;dinput8=n,b"
fi
cd build/windows/bin
exec wine explorer /desktop=tarvik,1024x768 tarvik.exe "$@"
