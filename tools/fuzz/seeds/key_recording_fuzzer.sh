#!/usr/bin/env bash
# Seeds of key_recording_fuzzer, written into the folder given: letters
# typed into an empty entry (character, then release), and keys recorded
# into an entry two short of full, past its limit.
set -euo pipefail
dir="$1"

bytes() { [ $# -eq 0 ] || printf "$(printf '\\x%02x' "$@")"; }
le32() { for v in "$@"; do bytes $((v & 255)) $(((v >> 8) & 255)) $(((v >> 16) & 255)) $(((v >> 24) & 255)); done; }
# message <kind> <wParam> <lParam>; kinds: 0 release, 1 character, 2 list,
# 3 clear, 4 select; bit 4 readable keyboard, 5 SHIFT, 6 TAB, 7 CTRL.
message() { bytes "$1"; le32 "$2" "$3"; }
typed() { message 1 "$1" 0; message 16 "$2" $((0xC0000001 | ($3 << 16))); }

{ bytes 1 4 0 0
  typed 97 65 30; typed 98 66 48; message 48 112 $((0xC03B0001)); message 2 113 0; message 3 0 0
  typed 99 67 46
} >"$dir/typed"
{ bytes 1 4 47 0
  typed 97 65 30; typed 98 66 48; typed 99 67 46; message 4 $((0x00000402 | (48 << 16))) 0
  typed 100 68 32
} >"$dir/full"
