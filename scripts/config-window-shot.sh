#!/usr/bin/env bash
# Takes the README's screenshots of the configuration window: the demo
# program opens it on one page on a private virtual display and ImageMagick
# grabs the window's area.
# Usage: bash scripts/config-window-shot.sh [entry|block|common] [output.png]
set -euo pipefail
cd "$(dirname "$0")/.."
page=${1:-entry}
out=${2:-docs/config-window-$page.png}
bash scripts/build.sh windows
source scripts/wine-session.sh
tarvik_start_session
wine build/windows/tests/wine/config_window/config_window_demo.exe 20 "$page" </dev/null >/dev/null 2>&1 &
demo=$!
sleep 6
# The 1024 x 768 display centres the 800 x 480 window at (112, 144).
mkdir -p "$(dirname "$out")"
import -window root -crop 800x480+112+144 +repage "$out"
kill "$demo" 2>/dev/null || true
wait "$demo" 2>/dev/null || true
echo "$out"
