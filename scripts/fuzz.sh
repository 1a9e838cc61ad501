#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (ASan/UBSan) and runs each for a
# bounded time, one after the other: fuzz.sh [seconds per target, default
# 20] [target ...] (default: all). Prints one line per target,
#   fuzz: <target> <N> executions in <S> s (<R>/s), exit <code>
# and exits non-zero when the build or any target fails.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-20}"
shift || true
# One name per target, as tools/fuzz/CMakeLists.txt builds them.
all_targets=(config_load_fuzzer command_line_fuzzer key_recording_fuzzer config_text_fuzzer pad_order_fuzzer)
if [ $# -gt 0 ]; then targets=("$@"); else targets=("${all_targets[@]}"); fi
build=build/fuzz

if [ ! -f "$build/build.ninja" ]; then
  CXX=clang++ cmake -S tools/fuzz -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
# With pipefail a failed build fails the pipeline and so the script; grep
# finding nothing to print does not.
cmake --build "$build" --target "${targets[@]}" |
  { grep -vE '^\[[0-9]+/[0-9]+\] |^ninja: no work to do|^-- |GLOB mismatch' || true; }

# Per target, optional: tools/fuzz/seeds/<target>.sh writes seeds into
# build/fuzz/seeds/<target>/ (again when it changes), tools/fuzz/<target>.dict
# is its dictionary.
# What a run finds goes to a scratch folder that the next run starts
# without; a crashing input is kept under build/fuzz/crashes/.
run_target() {
  local target="$1"
  local seeds="$build/seeds/$target" scratch="$build/scratch/$target"
  local log="$build/$target.log" crashes="$build/crashes"
  if [ ! -d "$seeds" ] || [ "tools/fuzz/seeds/$target.sh" -nt "$seeds" ]; then
    rm -rf "$seeds" "$seeds.new"
    mkdir -p "$seeds.new"
    if [ -f "tools/fuzz/seeds/$target.sh" ]; then bash "tools/fuzz/seeds/$target.sh" "$seeds.new"; fi
    mv "$seeds.new" "$seeds"
  fi
  rm -rf "$scratch"
  mkdir -p "$scratch" "$crashes"
  local -a options=(-max_total_time="$seconds" -timeout=10 -print_final_stats=1
    -artifact_prefix="$crashes/$target-")
  if [ -f "tools/fuzz/$target.dict" ]; then options+=(-dict="tools/fuzz/$target.dict"); fi

  local status=0 started=$SECONDS
  "$build/$target" "${options[@]}" "$scratch" "$seeds" >"$log" 2>&1 || status=$?
  local elapsed=$((SECONDS - started))
  local runs
  runs=$(awk '/^stat::number_of_executed_units/ {print $2}' "$log")
  if [ -z "$runs" ]; then runs=$(grep -oE '^#[0-9]+' "$log" | tail -1 | tr -d '#'); fi
  runs=${runs:-0}
  echo "fuzz: $target $runs executions in $elapsed s ($((runs / (elapsed > 0 ? elapsed : 1)))/s), exit $status"
  if [ "$status" -ne 0 ]; then
    grep -E 'ERROR|SUMMARY|runtime error|Test unit written|deadly signal' "$log" | head -20 || true
  else
    rm -rf "$scratch"
  fi
  return "$status"
}

failed=0
for target in "${targets[@]}"; do
  run_target "$target" || failed=1
done
exit "$failed"
