#!/usr/bin/env bash
# The demo: Tarvik in the tray of a Wine desktop, a text editor in front,
# and the virtual controller's buttons "pressed" one after another so that
# the demo configuration types into the editor; then a picture of the screen
# with the tray menu open, saved as docs/demo.png (or the file given).
#
#     bash scripts/demo.sh [picture.png]
set -euo pipefail
cd "$(dirname "$0")/.."
picture=$(realpath -m "${1:-docs/demo.png}")
source scripts/demo-env.sh demo
wine "$bin/vcctl.exe" demo >/dev/null

# The demo configuration's program is the text editor: AUTOSTART starts it.
wine explorer /desktop=tarvik,1024x768 "$bin/tarvik.exe" AUTOSTART </dev/null >/dev/null 2>&1 &
wine "$bin/tarvik_measure.exe" ready 30
timeout 30 xdotool search --sync --name "Notepad" >/dev/null
sleep 1

press 1   # Hello
press 2   # " from Tarvik"
press 3   # !
press 4   # Enter
vc button 12 down   # the shift button: the capital layer
press 1
press 2
vc button 12 up
press 3
sleep 0.5

# The tray icon sits at the right end of the desktop's taskbar.
xdotool mousemove 1013 758 click 3
sleep 0.5
xdotool mousemove 960 690   # onto the menu: its program entry
sleep 0.5
mkdir -p "$(dirname "$picture")"
import -window root "$picture"
xdotool key Escape
wine explorer /desktop=tarvik "$bin/tarvik.exe" QUIT
echo "$picture"
