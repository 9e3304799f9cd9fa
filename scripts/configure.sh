#!/usr/bin/env bash
# Installs what is missing and configures the build folder "build" (run from the checkout).
set -euo pipefail
scripts/install-deps.sh
launcher=()
# A compiler cache makes rebuilds after a pull quick; paths relative to the checkout let a
# fresh clone elsewhere reuse it.
if command -v ccache >/dev/null; then launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" "$@" >/dev/null
