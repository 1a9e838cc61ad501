#!/usr/bin/env bash
# The plug demo: Tarvik starts with WAIT and no controller attached, the text
# editor in front; then a virtual pad is plugged in, announced to every
# window as the system does, and its buttons type into the editor. A picture
# of the screen is saved (build/demo-plug/demo-plug.png, or the file given).
#
#     bash scripts/demo-plug.sh [picture.png]
set -euo pipefail
cd "$(dirname "$0")/.."
picture=$(realpath -m "${1:-build/demo-plug/demo-plug.png}")
source scripts/demo-env.sh demo-plug

# The block lives while a process has it open: this one keeps the empty
# set-up until the demo ends.
wine "$bin/vcctl.exe" hold >/dev/null 2>&1 &
holder=$!
trap 'kill "$holder" 2>/dev/null || true; tarvik_end_session' EXIT
sleep 1
vc demo
vc controllers 0

# No controller: WAIT starts without "no game-device installed".
wine explorer /desktop=tarvik,1024x768 "$bin/tarvik.exe" WAIT AUTOSTART </dev/null >/dev/null 2>&1 &
wine "$bin/tarvik_measure.exe" ready 30
timeout 30 xdotool search --sync --name "Notepad" >/dev/null
sleep 1

echo "plugging in a pad"
# The announcement reaches the windows of vcctl's own desktop: it runs on
# Tarvik's virtual one.
wine explorer /desktop=tarvik "$bin/vcctl.exe" plug >/dev/null
sleep 1
press 1   # Hello
press 2   # " from Tarvik"
press 3   # !
sleep 0.5
wine "$bin/vcctl.exe" show

mkdir -p "$(dirname "$picture")"
import -window root "$picture"
wine explorer /desktop=tarvik "$bin/tarvik.exe" QUIT
# The desktop stays while the editor is open; it holds nothing to keep.
wine taskkill /f /im notepad.exe >/dev/null 2>&1 || true
echo "$picture"
