#!/usr/bin/env bash
# Builds the Debian package of Torvane: a release build installed under /usr, packed by
# `cpack -G DEB` with its library dependencies from dpkg-shlibdeps.
# Usage: scripts/package.sh [BUILD-FOLDER]   (default build-package; the .deb lands there)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-package}
scripts/install-deps.sh
launcher=()
if command -v ccache >/dev/null; then launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
# The D-Bus service file names the installed program, so the prefix is that of the package.
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
  "${launcher[@]}" >/dev/null
cmake --build "$build"
(cd "$build" && cpack -G DEB)
ls "$build"/*.deb
