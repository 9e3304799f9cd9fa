#!/usr/bin/env bash
# The scan of one folder with ENTRIES entries (default 1,000,000 empty files): the time of
# `torvane-cli preview` and its peak memory, and the same for ENTRIES / 10, so that the two
# show whether memory grows linearly. Too slow and too big for the test run.
#
#   [TORVANE_CLI=path] bench/million_entries.sh [ENTRIES]
set -euo pipefail
cd "$(dirname "$0")/.."
entries=${1:-1000000}
source bench/build_cli.sh
work=$(mktemp -d "${TMPDIR:-/tmp}/torvane-bench-XXXXXX")
trap 'rm -rf "$work"' EXIT
cat > "$work/steps.tva" <<'PLIST'
<?xml version="1.0" encoding="UTF-8"?>
<plist version="1.0"><array><dict>
  <key>Task</key><integer>0</integer>
  <key>Rename: Find/Replace: Target</key><array><string>file</string></array>
  <key>Rename: Find/Replace: Replacement</key><array><string>entry</string></array>
</dict></array></plist>
PLIST

measure() {
  local count=$1 folder="$work/f$1"
  mkdir -p "$folder"
  (cd "$folder" && seq -f "file %07g.dat" 1 "$count" | tr '\n' '\0' | xargs -0 touch)
  /usr/bin/time -f "%e %M" -o "$work/time" "$cli" preview --steps "$work/steps.tva" "$folder" \
    >"$work/out" 2>"$work/err" || { echo "preview failed:"; tail -5 "$work/err"; exit 1; }
  read -r seconds kib <"$work/time"
  printf '%9d entries: %7.2f s, peak memory %7.1f MiB (%d bytes per entry), %d lines\n' \
    "$count" "$seconds" "$(awk "BEGIN { print $kib / 1024 }")" \
    "$(awk "BEGIN { printf \"%d\", $kib * 1024 / $count }")" "$(wc -l <"$work/out")"
  rm -rf "$folder"
}
measure $((entries / 10))
measure "$entries"
