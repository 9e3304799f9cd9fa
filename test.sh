#!/usr/bin/env bash
# Installs what is missing, builds everything and runs all tests through CTest.
set -euo pipefail
cd "$(dirname "$0")"
scripts/configure.sh
export CCACHE_BASEDIR="$PWD"
# Debug information would otherwise hash the folder into every entry: clones elsewhere miss.
export CCACHE_NOHASHDIR=1
cmake --build build -j "$(nproc)"
cd build
ctest --output-on-failure -j "$(nproc)" --timeout 600
