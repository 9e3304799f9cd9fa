#!/usr/bin/env bash
# Fails when clang-format would change a C++ file of the project (run from anywhere).
# Fix with: scripts/check-format.sh --fix
set -euo pipefail
cd "$(dirname "$0")/.."
formatter=clang-format-14
mapfile -t files < <(git ls-files '*.cpp' '*.h' '*.c')
if [ "${1:-}" = "--fix" ]; then
  "$formatter" -i "${files[@]}"
else
  "$formatter" --dry-run --Werror "${files[@]}"
fi
