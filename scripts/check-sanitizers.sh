#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer in "build-sanitize"
# and runs every test under them, leak detection included; any report fails the run.
# Slow (about four times a normal build and test run): run it before landing a change to the
# core, not in CI. The build is niced and uses one job unless JOBS says otherwise, since the
# machine is usually shared.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
launcher=()
if command -v ccache >/dev/null; then launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTORVANE_SANITIZE=ON \
  "${launcher[@]}" >/dev/null
export CCACHE_BASEDIR="$PWD"
# A Debug build would otherwise hash its folder into every entry: clones elsewhere miss.
export CCACHE_NOHASHDIR=1
nice -n 19 cmake --build build-sanitize -j "${JOBS:-1}"
suppressions="$PWD/scripts/sanitizer-suppressions"
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0:halt_on_error=1:detect_stack_use_after_return=0"
export LSAN_OPTIONS="suppressions=$suppressions/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1:suppressions=$suppressions/ubsan.supp"
# The widgets tests draw offscreen.
export QT_QPA_PLATFORM=offscreen
cd build-sanitize
nice -n 19 ctest --output-on-failure -j "${JOBS:-1}" --timeout 1800 "$@"
