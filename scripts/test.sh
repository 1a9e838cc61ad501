#!/usr/bin/env bash
# Sets up, builds and runs every test: the native unit tests (plain and
# under ASan/UBSan), the Windows build's tests under Wine, then a bounded
# fuzzing run.
set -uo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

bash scripts/setup.sh || exit 1
bash scripts/build.sh native native-asan windows || { echo "build failed"; exit 1; }

source scripts/wine-session.sh
tarvik_start_session || exit 1

total_pass=0
total_fail=0
status=0
for preset in native native-asan windows; do
  echo "== tests: $preset"
  log="build/$preset/ctest.log"
  ctest --preset "$preset" -j2 --timeout 300 2>&1 | tee "$log" | grep -vE '^\s+(Start|[0-9]+/[0-9]+ Test)' || true
  [ "${PIPESTATUS[0]}" -eq 0 ] || status=1
  line=$(grep -E 'tests passed, [0-9]+ tests failed out of [0-9]+' "$log" | tail -n 1)
  if [ -z "$line" ]; then
    status=1
    continue
  fi
  failed=$(echo "$line" | sed -E 's/.* ([0-9]+) tests failed out of ([0-9]+).*/\1/')
  count=$(echo "$line" | sed -E 's/.*out of ([0-9]+).*/\1/')
  total_fail=$((total_fail + failed))
  total_pass=$((total_pass + count - failed))
done

# A bounded fuzzing run of configuration loading counts as one more test.
echo "== fuzz: configuration load"
if bash scripts/fuzz.sh 20; then
  total_pass=$((total_pass + 1))
else
  total_fail=$((total_fail + 1))
  status=1
fi

echo "tests: $total_pass passed, $total_fail failed"
exit $status
