#!/usr/bin/env bash
# Sets up, builds and runs every test: the format check, the native unit
# tests (plain and under ASan/UBSan), the Windows build's tests under Wine,
# then a bounded fuzzing run. Ends with "tests: N passed, M failed" and exits
# non-zero whenever anything failed: a failed build, the format check and the
# fuzz run each count as one failed test.
set -uo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh || { echo "tests: 0 passed, 1 failed"; exit 1; }

total_pass=0
total_fail=0
pass() { total_pass=$((total_pass + 1)); }
fail() { total_fail=$((total_fail + 1)); echo "FAILED: $1"; }

echo "== format"
if bash scripts/format.sh --check; then pass; else fail "format check"; fi

built=()
for preset in native native-asan windows; do
  echo "== build: $preset"
  if bash scripts/build.sh "$preset"; then built+=("$preset"); else fail "build $preset"; fi
done

source scripts/wine-session.sh
tarvik_start_session || fail "Wine session"

for preset in "${built[@]}"; do
  echo "== tests: $preset"
  log="build/$preset/ctest.log"
  ctest --preset "$preset" -j2 --timeout 300 2>&1 | tee "$log" |
    grep -vE '^\s*(Start|[0-9]+/[0-9]+ Test)'
  ctest_status=${PIPESTATUS[0]}
  line=$(grep -E 'tests passed, [0-9]+ tests failed out of [0-9]+' "$log" | tail -n 1)
  if [ -z "$line" ]; then
    fail "ctest $preset ended without a summary (exit $ctest_status)"
    continue
  fi
  failed=$(echo "$line" | sed -E 's/.* ([0-9]+) tests failed out of ([0-9]+).*/\1/')
  count=$(echo "$line" | sed -E 's/.*out of ([0-9]+).*/\1/')
  total_fail=$((total_fail + failed))
  total_pass=$((total_pass + count - failed))
  # A non-zero exit with nothing counted failed (a crash in discovery, say)
  # must still fail the run.
  if [ "$ctest_status" -ne 0 ] && [ "$failed" -eq 0 ]; then
    fail "ctest $preset exited $ctest_status"
  fi
done

# Every fuzz target runs for a bounded time; each counts as one test.
echo "== fuzz"
fuzz_log=build/fuzz/summary.log
mkdir -p build/fuzz
bash scripts/fuzz.sh 20 | tee "$fuzz_log"
fuzz_status=${PIPESTATUS[0]}
fuzz_ok=$(grep -c '^fuzz: .* exit 0$' "$fuzz_log")
fuzz_bad=$(grep -cE '^fuzz: .* exit [1-9]' "$fuzz_log")
total_pass=$((total_pass + fuzz_ok))
total_fail=$((total_fail + fuzz_bad))
if [ "$fuzz_status" -ne 0 ] && [ "$fuzz_bad" -eq 0 ]; then fail "fuzz build or run"; fi

echo "tests: $total_pass passed, $total_fail failed"
[ "$total_fail" -eq 0 ]
