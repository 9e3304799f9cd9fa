#!/usr/bin/env bash
# Times renaming FILES files in one folder with a suffix step three ways: torvane-cli rename,
# a plain C loop of renameat2 (the floor), and Debian's perl rename.
#
#   bench/rename_folder.sh [FILES]      (default: 10000)
# It times $TORVANE_CLI, or a torvane-cli built as bench/build_cli.sh says.
set -euo pipefail
cd "$(dirname "$0")/.."
files=${1:-10000}
command -v rename >/dev/null || { echo "needs Debian's rename: apt-get install rename"; exit 2; }

source bench/build_cli.sh
work=$(mktemp -d "${TMPDIR:-/tmp}/torvane-bench-XXXXXX")
trap 'rm -rf "$work"' EXIT
source bench/rename_setup.sh
seconds() { local start=$EPOCHREALTIME; "$@" >/dev/null 2>&1; awk "BEGIN { print $EPOCHREALTIME - $start }"; }
ratio() { awk "BEGIN { printf \"%.1f\", $1 / $2 }"; }

make_rename_folder "$files"; torvane=$(seconds "$cli" rename --yes --steps "$work/suffix.tva" "$work/f")
test -e "$work/f/file 00001-done.txt" || { echo "torvane-cli did not rename"; exit 1; }
make_rename_folder "$files"; floor=$(seconds "$work/floor" "$work/f" "-done")
make_rename_folder "$files"; perl=$(seconds rename 's/\.txt$/-done.txt/' "$work"/f/*)

printf 'renaming %d files in one folder:\n' "$files"
printf '  renameat2 loop (floor): %6.3f s\n' "$floor"
printf '  torvane-cli rename:     %6.3f s  (%sx the floor)\n' "$torvane" "$(ratio "$torvane" "$floor")"
printf '  perl rename:            %6.3f s  (%sx the floor)\n' "$perl" "$(ratio "$perl" "$floor")"
