#!/usr/bin/env bash
# Installs what is missing, builds everything and runs all tests through CTest.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
launcher=()
# A compiler cache, where one is installed, makes rebuilds after a pull quick.
if command -v ccache >/dev/null; then launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" >/dev/null
cmake --build build -j "$(nproc)"
cd build
ctest --output-on-failure -j "$(nproc)" --timeout 600
