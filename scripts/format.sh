#!/usr/bin/env bash
# Formats the C++ sources with the root .clang-format; with --check only
# reports files that drift from it and fails if there are any.
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t files < <(find src tests tools \( -name '*.cpp' -o -name '*.h' \) | sort)
if [ "${1:-}" = "--check" ]; then
  clang-format --dry-run -Werror "${files[@]}"
else
  clang-format -i "${files[@]}"
fi
