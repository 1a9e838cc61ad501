#!/usr/bin/env bash
# Seeds of config_text_fuzzer, written into the folder given: the demo
# configuration's text.
set -euo pipefail
cp "$(dirname "$0")/../../demo_config/demo.txt" "$1/demo.txt"
