#!/usr/bin/env bash
# Builds and runs the benchmarks and prints their figures. Not a test:
# nothing here passes or fails on a time.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh native
build/native/tools/bench/tarvik_bench --benchmark_min_time=0.5 "$@"
