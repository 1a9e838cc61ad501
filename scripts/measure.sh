#!/usr/bin/env bash
# Measures the running program under Wine with the virtual controller (not a
# test: nothing here passes or fails), with the pad's report events and
# with the events refused (the 10 ms passes alone), side by side:
# report->hook and change->hook latency (p50/p99/max over the presses,
# default 300, of a pad reporting every PERIOD ms, default 1), the rates of
# a held autoRepeat key and a held mouse move with and without a chattering
# button, idle CPU over 10 s and passes per second, CPU under storms of
# reports, the time from start to the tray icon, the time a pause takes to
# hold in the middle of a long sequence, and the main thread's time of a
# look after a device change that concerns no pad (as Tarvik reports it in
# its debug output).
#
#     bash scripts/measure.sh [presses] [period]
set -euo pipefail
cd "$(dirname "$0")/.."
presses=${1:-300}
period=${2:-1}

bash scripts/setup.sh
bash scripts/build.sh windows

source scripts/wine-session.sh
tarvik_start_session
export WINEDLLOVERRIDES="mscoree,mshtml=;dinput8,xinput1_4=n,b"

# The newest process named $1 of this Wine prefix, as a Linux process.
prefix_pid() {
  local pid
  for pid in $(ps -eo pid= --sort=start_time); do
    [ "$(cat "/proc/$pid/comm" 2>/dev/null)" = "$1" ] || continue
    { tr '\0' '\n' <"/proc/$pid/environ"; } 2>/dev/null | grep -qx "WINEPREFIX=$WINEPREFIX" || continue
    echo "$pid"
  done | tail -n 1
}
# User plus system time of a process, in clock ticks.
ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }

hz=$(getconf CLK_TCK)
server=$(prefix_pid wineserver64)
uptime
wine build/windows/bin/tarvik_measure.exe figures "$presses" "$period" 2>/dev/null | while IFS= read -r line; do
  line=${line%$'\r'}
  case "$line" in
    "start to tray"*)
      echo "$line"
      pid=$(prefix_pid tarvik.exe)
      ;;
    "cpu begins "*)
      start=$(date +%s.%N)
      before=$(ticks "$pid")
      server_before=$([ -n "$server" ] && ticks "$server" || echo 0)
      ;;
    "cpu ends "*)
      label=${line#cpu ends }
      after=$(ticks "$pid")
      server_after=$([ -n "$server" ] && ticks "$server" || echo 0)
      awk -v t="$((after - before))" -v w="$((server_after - server_before))" -v hz="$hz" \
          -v s="$start" -v e="$(date +%s.%N)" -v l="$label" 'BEGIN {
        printf "  %s CPU over %.1f s: %.2f %% of one core (tarvik.exe from /proc, all its threads)\n", l, e - s, 100 * t / hz / (e - s)
        printf "    the prefix'"'"'s wineserver meanwhile: %.2f %% of one core\n", 100 * w / hz / (e - s)
      }'
      ;;
    *) echo "$line" ;;
  esac
done
