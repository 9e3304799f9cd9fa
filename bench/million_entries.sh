#!/usr/bin/env bash
# One folder with ENTRIES entries (default 1,000,000 empty files): the time and peak memory of
# `torvane-cli preview`, then of `torvane-cli rename --yes` with its journal, which must rename
# every entry; the same for ENTRIES / 10, so that the two show whether time and memory grow
# linearly. Too slow and too big for the test run.
#
#   [TORVANE_CLI=path] bench/million_entries.sh [ENTRIES]
set -euo pipefail
cd "$(dirname "$0")/.."
entries=${1:-1000000}
source bench/build_cli.sh
work=$(mktemp -d "${TMPDIR:-/tmp}/torvane-bench-XXXXXX")
trap 'rm -rf "$work"' EXIT
# Journals and settings of the runs stay in the scratch folder.
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_DATA_HOME="$work/home/.local/share" \
  XDG_STATE_HOME="$work/home/.local/state"
cat > "$work/steps.tva" <<'PLIST'
<?xml version="1.0" encoding="UTF-8"?>
<plist version="1.0"><array><dict>
  <key>Task</key><integer>0</integer>
  <key>Rename: Find/Replace: Target</key><array><string>file</string></array>
  <key>Rename: Find/Replace: Replacement</key><array><string>entry</string></array>
</dict></array></plist>
PLIST

# Runs torvane-cli with the arguments; prints "COMMAND: seconds, peak memory" for COUNT entries.
timed() {
  local count=$1 command=$2
  shift 2
  /usr/bin/time -f "%e %M" -o "$work/time" "$cli" "$command" "$@" >"$work/out" 2>"$work/err" ||
    { echo "$command failed:"; tail -5 "$work/err"; exit 1; }
  read -r seconds kib <"$work/time"
  printf '%9d entries, %-7s %7.2f s, peak memory %7.1f MiB (%d bytes per entry), %d lines\n' \
    "$count" "$command:" "$seconds" "$(awk "BEGIN { print $kib / 1024 }")" \
    "$(awk "BEGIN { printf \"%d\", $kib * 1024 / $count }")" "$(wc -l <"$work/out")"
}

measure() {
  local count=$1 folder="$work/f$1"
  mkdir -p "$folder"
  (cd "$folder" && seq -f "file %07g.dat" 1 "$count" | tr '\n' '\0' | xargs -0 touch)
  timed "$count" preview --steps "$work/steps.tva" "$folder"
  timed "$count" rename --yes --steps "$work/steps.tva" "$folder"
  local renamed
  renamed=$(find "$folder" -name 'entry *' | wc -l)
  [[ $renamed -eq $count ]] || { echo "only $renamed of $count entries renamed"; exit 1; }
  rm -rf "$folder"
}
measure $((entries / 10))
measure "$entries"
