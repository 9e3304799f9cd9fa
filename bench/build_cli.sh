# Sourced by the bench scripts: sets $cli to TORVANE_CLI, or to a torvane-cli built in
# BUILD_DIR (default "build") with BUILD_TYPE (default RelWithDebInfo).
cli=${TORVANE_CLI:-}
if [[ -z "$cli" ]]; then
  build=${BUILD_DIR:-build}
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-RelWithDebInfo}" >/dev/null
  cmake --build "$build" --target torvane-cli >/dev/null
  cli=$build/src/cli/torvane-cli
fi
