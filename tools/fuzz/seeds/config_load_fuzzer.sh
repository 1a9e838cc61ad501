#!/usr/bin/env bash
# Seeds of config_load_fuzzer, written into the folder given: three compact
# blocks (keys on a button, an absolute mouse position on an axis of the
# mouse's block, a latched click on a hat) and a raw file of noise behind a
# valid version word that reaches into the entries of block 0. Raw files of
# the stored lengths would work as well, but each run of one costs as much
# as hundreds of compact ones.
set -euo pipefail
dir="$1"

bytes() { [ $# -eq 0 ] || printf "$(printf '\\x%02x' "$@")"; }
zeros() { head -c "$1" /dev/zero; }
le16() { for v in "$@"; do bytes $((v & 255)) $(((v >> 8) & 255)); done; }
le32() { for v in "$@"; do le16 $((v & 65535)) $(((v >> 16) & 65535)); done; }

# The default block part: levels, direction percentages, steps; thresholds
# and run-time memory zero (the target recomputes the thresholds).
block_part() {
  bytes 25 50 75
  for _ in $(seq 16); do bytes 25 50 75 100; done
  zeros $((1 + 128 + 64))
  le16 8 8
  zeros $((4 + 4 + 32 + 96 + 16 + 4 + 12))
}

# entry <flag bytes at offsets 4..22 as offset=value ...>: the rest zero,
# steps 8; keys, if any, follow as key words, scan words and text.
entry() {
  local index="$1" keys="$2" scans="$3" text="$4"
  shift 4
  local -a flags=(0 0 0 0 0 0 0 0 0 0 0 0 0 8 8 0 0 0 0)
  for pair in "$@"; do flags[$((${pair%=*} - 4))]=${pair#*=}; done
  bytes "$index"
  zeros 4
  bytes "${flags[@]}"
  zeros 8
  bytes "$index"
  local count
  count=$(wc -w <<<"$keys")
  le16 0
  le16 $keys; zeros $((100 - 2 * count))
  le16 $scans; zeros $((100 - 2 * count))
  printf '%s' "$text"; zeros $((50 - ${#text}))
  zeros $((50 + 262))
}

# state <x> <y> <hat 0> <buttons>: the other axes centred, other hats centred.
state() {
  le16 "$1" "$2" 0 0 0 0 0 0
  le16 "$3" 65535 65535 65535
  le32 "$4"
}

# header <block> <device count> <shiftButton> <shiftDevice> <placed entries>
header() { bytes 1 "$@"; }

{ header 0 2 31 1 1; block_part
  entry 1 "321 66" "30 48" "Ab" 9=1 10=2
  state 0 0 65535 1; state 0 0 65535 0; state 0 0 65535 1; state 0 0 65535 0
} >"$dir/keys"
{ header 4 2 31 1 1; block_part
  entry 33 "" "" "" 11=1 12=17 20=1
  state 300 0 65535 0; state 600 0 65535 0; state 900 0 65535 0; state -300 0 65535 0
} >"$dir/mouse"
{ header 1 1 31 0 1; block_part
  entry 81 "" "" "" 11=1 12=8 13=1 14=1
  state 0 0 0 0; state 0 0 4500 0; state 0 0 65535 0; state 0 0 0 0
} >"$dir/hat"
{ bytes 0 0 7; head -c 8190 /dev/urandom; } >"$dir/raw"
