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
source bench/rename_setup.sh

# Appends the seconds a command takes on a fresh folder to the file named first.
timed() {
  local into=$1 start
  shift
  make_rename_folder "$files"
  start=$EPOCHREALTIME
  "$@" >/dev/null 2>&1 || { echo "failed: $*" >&2; exit 1; }
  awk "BEGIN { print $EPOCHREALTIME - $start }" >> "$into"
}

: > "$work/0"; : > "$work/1"; : > "$work/floor.txt"
for ((round = 0; round < rounds; round++)); do
  # The builds by their index ("$work/0", "$work/1" hold their times), in turns.
  for build in $((round % 2)) $((1 - round % 2)); do
    timed "$work/$build" "${builds[$build]}" rename --yes --steps "$work/suffix.tva" "$work/f"
  done
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
for build in 0 1; do
  read -r min q1 med < <(quantiles "$work/$build")
  printf '  %-40s %.4f s %.4f s %.4f s  (%.2f× %.2f× %.2f×)\n' "${builds[$build]}" "$min" "$q1" \
    "$med" "$(awk "BEGIN { print $min / $fmin }")" "$(awk "BEGIN { print $q1 / $fq1 }")" \
    "$(awk "BEGIN { print $med / $fmed }")"
done
printf '  %-40s %.4f s %.4f s %.4f s\n' "renameat2 floor" "$fmin" "$fq1" "$fmed"
