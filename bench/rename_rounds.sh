#!/usr/bin/env bash
# Compares the rename runs of two torvane-cli builds in rounds that take turns: each round
# renames a fresh, flushed folder of FILES files with a suffix step once with each build and
# once with the renameat2 loop (the floor). A single run says little on a noisy machine, and
# the run right after another Torvane run can find memory the first has just freed: the two
# builds swap their order every round. Prints the minimum, first quartile and median of each,
# and their ratios to the floor's.
#
#   bench/rename_rounds.sh CLI_A CLI_B [ROUNDS] [FILES]      (defaults: 20 10000)
set -euo pipefail
cd "$(dirname "$0")/.."
[ $# -ge 2 ] || { echo "usage: bench/rename_rounds.sh CLI_A CLI_B [ROUNDS] [FILES]"; exit 2; }
builds=("$1" "$2")
rounds=${3:-20}
files=${4:-10000}

work=$(mktemp -d "${TMPDIR:-/tmp}/torvane-rounds-XXXXXX")
trap 'rm -rf "$work"' EXIT
cc -O2 -o "$work/floor" bench/renameat2_floor.c
export HOME=$work/home XDG_CONFIG_HOME=$work/home/config XDG_DATA_HOME=$work/home/data \
  XDG_STATE_HOME=$work/home/state XDG_CACHE_HOME=$work/home/cache
mkdir -p "$HOME"
cat > "$work/steps.tva" <<'PLIST'
<?xml version="1.0" encoding="UTF-8"?>
<plist version="1.0"><array><dict>
  <key>Task</key><integer>103</integer>
  <key>Rename: Insert: String</key><array><string>-done</string></array>
</dict></array></plist>
PLIST

# A run starts with nothing of the setup left to write back (see compare.sh).
make_folder() {
  rm -rf "$work/f" && mkdir -p "$work/f"
  (cd "$work/f" && seq -f "file %05g.txt" 1 "$files" | tr '\n' '\0' | xargs -0 touch)
  sync
}
# Appends the seconds a command takes on a fresh folder to the file named first.
timed() {
  local into=$1 start
  shift
  make_folder
  start=$EPOCHREALTIME
  "$@" >/dev/null 2>&1 || { echo "failed: $*" >&2; exit 1; }
  awk "BEGIN { print $EPOCHREALTIME - $start }" >> "$into"
}

: > "$work/a"; : > "$work/b"; : > "$work/floor.txt"
for ((round = 0; round < rounds; round++)); do
  first=$((round % 2)) second=$((1 - round % 2))
  timed "$work/$([ $first -eq 0 ] && echo a || echo b)" \
    "${builds[$first]}" rename --yes --steps "$work/steps.tva" "$work/f"
  timed "$work/$([ $second -eq 0 ] && echo a || echo b)" \
    "${builds[$second]}" rename --yes --steps "$work/steps.tva" "$work/f"
  timed "$work/floor.txt" "$work/floor" "$work/f" "-done"
done

# "min q1 median" of a file of seconds.
quantiles() {
  sort -n "$1" | awk '{ v[NR] = $1 } END {
    q1 = v[int((NR - 1) * 0.25) + 1]; med = v[int((NR - 1) * 0.5) + 1]
    printf "%.4f %.4f %.4f\n", v[1], q1, med }'
}
read -r fmin fq1 fmed < <(quantiles "$work/floor.txt")
printf 'renaming %d files, %d rounds: minimum, first quartile, median (and against the floor)\n' \
  "$files" "$rounds"
for side in a b; do
  read -r min q1 med < <(quantiles "$work/$side")
  name=${builds[$([ $side = a ] && echo 0 || echo 1)]}
  printf '  %-40s %.4f s %.4f s %.4f s  (%.2f× %.2f× %.2f×)\n' "$name" "$min" "$q1" "$med" \
    "$(awk "BEGIN { print $min / $fmin }")" "$(awk "BEGIN { print $q1 / $fq1 }")" \
    "$(awk "BEGIN { print $med / $fmed }")"
done
printf '  %-40s %.4f s %.4f s %.4f s\n' "renameat2 floor" "$fmin" "$fq1" "$fmed"
