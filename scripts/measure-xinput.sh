#!/usr/bin/env bash
# Prints the time of one XInput read under Wine (not a test): once through
# the virtual xinput1_4.dll with a connected pad, once through Wine's own
# XInput, which has no pad here and so shows the cost of asking an absent
# one (the polling pass never does that; only a device change does).
#
#     bash scripts/measure-xinput.sh
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
bash scripts/build.sh windows >/dev/null

source scripts/wine-session.sh
tarvik_start_session
WINEDLLOVERRIDES="mscoree,mshtml=;xinput1_4=n,b" wine build/windows/bin/tarvik_xinput_read_time.exe 2>/dev/null
WINEDLLOVERRIDES="mscoree,mshtml=;xinput1_4=b" wine build/windows/bin/tarvik_xinput_read_time.exe 2>/dev/null
