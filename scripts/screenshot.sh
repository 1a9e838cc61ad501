#!/usr/bin/env bash
# Remakes the README's picture of the text-input window: the Wine test that
# types with it saves the screen at its high point, and the part around the
# window is kept.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
bash scripts/build.sh windows

source scripts/wine-session.sh
tarvik_start_session

shot="$root/build/text-input-screen.bmp"
rm -f "$shot"
TARVIK_SCREENSHOT="$(winepath -w "$shot")" timeout 120 wine build/windows/tests/wine/tarvik_wine_tests.exe \
  --gtest_filter='TypingWithTheDevice.*' </dev/null >/dev/null
mkdir -p docs
convert "$shot" -crop 720x440+150+100 +repage docs/text-input-window.png
echo "docs/text-input-window.png"
