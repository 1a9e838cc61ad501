#!/usr/bin/env bash
# Takes the README's screenshot of the configuration window: the demo
# program opens it on an entry page on a private virtual display and
# ImageMagick grabs the window's area.
# Usage: bash scripts/config-window-shot.sh [output.png]
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-docs/config-window-entry.png}
bash scripts/build.sh windows
source scripts/wine-session.sh
tarvik_start_session
wine build/windows/tests/wine/config_window/config_window_demo.exe 20 </dev/null >/dev/null 2>&1 &
demo=$!
sleep 6
# The 1024 x 768 display centres the 800 x 480 window at (112, 144).
mkdir -p "$(dirname "$out")"
import -window root -crop 800x480+112+144 +repage "$out"
kill "$demo" 2>/dev/null || true
wait "$demo" 2>/dev/null || true
echo "$out"
