#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (ASan/UBSan) and runs the
# configuration-load and configuration-text fuzzers for a bounded time each:
# fuzz.sh [seconds, default 20].
# Prints the executions reached; fails if the fuzzer finds anything.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-20}"
build=build/fuzz
if [ ! -f "$build/build.ninja" ]; then
  CXX=clang++ cmake -S tools/fuzz -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
# With pipefail a failed build fails the pipeline and so the script; grep
# finding nothing to print does not.
cmake --build "$build" | { grep -vE '^\[[0-9]+/[0-9]+\] |^ninja: no work to do|^-- |GLOB mismatch' || true; }

# Seeds: a short and a long file of noise behind a valid version word, so the
# fuzzer starts inside the blocks rather than at the version test. What a run
# finds goes to a scratch folder that the next run starts without.
seeds="$build/seeds"
mkdir -p "$seeds"
if [ ! -f "$seeds/short" ]; then
  for seed in short:480020 long:958548; do
    { printf '\x00\x07'; head -c $(( ${seed#*:} - 2 )) /dev/urandom; } >"$seeds/${seed%%:*}"
  done
fi
rm -rf "$build/scratch"
mkdir -p "$build/scratch"

log="$build/config_load_fuzzer.log"
status=0
(cd "$build" && ./config_load_fuzzer -max_total_time="$seconds" -max_len=1676400 \
  -print_final_stats=1 scratch seeds) >"$log" 2>&1 || status=$?
runs=$(grep -E '^stat::number_of_executed_units' "$log" | awk '{print $2}')
echo "fuzz: config_load_fuzzer ${runs:-?} executions in ${seconds} s, exit $status"
if [ "$status" -ne 0 ]; then
  grep -E 'ERROR|SUMMARY|runtime error|Test unit written' "$log" | head -20
  exit "$status"
fi
rm -rf "$build/scratch"

# The configuration-text reader, seeded with the demo configuration's text.
text_seeds="$build/text_seeds"
mkdir -p "$text_seeds" "$build/scratch"
cp -f tools/demo_config/demo.txt "$text_seeds/demo.txt"
log="$build/config_text_fuzzer.log"
(cd "$build" && ./config_text_fuzzer -max_total_time="$seconds" -max_len=4096 \
  -print_final_stats=1 scratch text_seeds) >"$log" 2>&1 || status=$?
runs=$(grep -E '^stat::number_of_executed_units' "$log" | awk '{print $2}')
echo "fuzz: config_text_fuzzer ${runs:-?} executions in ${seconds} s, exit $status"
if [ "$status" -ne 0 ]; then
  grep -E 'ERROR|SUMMARY|runtime error|Test unit written' "$log" | head -20
else
  rm -rf "$build/scratch"
fi
exit "$status"
