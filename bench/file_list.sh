#!/usr/bin/env bash
# Times the file list with RECORDS listed files on the offscreen platform: a recomputation up
# to the repainted visible rows, the paint time per page while scrolling, and the memory.
#
#   bench/file_list.sh [RECORDS]      (default 100000; build folder: $BUILD_DIR or build-bench)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${BUILD_DIR:-build-bench}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --target file_list_bench >/dev/null
QT_QPA_PLATFORM=offscreen "$build/bench/file_list_bench" "${1:-100000}"
