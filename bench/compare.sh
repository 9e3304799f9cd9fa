#!/usr/bin/env bash
# Measures Torvane side by side with the tools its users would otherwise pick, in one run on
# the same trees, and prints each ratio (figures from separate runs do not compare on a
# shared machine):
#   - preview of FILES files in FOLDERS folders with three steps (regular-expression
#     replacement of (\d+) by <$1>, upper case, suffix "_x") against `find | rename -n`;
#   - listing alone (scan, records, sort) against `find -type f`, and name computation alone;
#   - renaming RENAMES files in one folder with a suffix against a C loop of renameat2
#     (the floor) and against perl `rename`.
#
#   [BUILD_DIR=build-bench-rel] [TORVANE_CLI=path] bench/compare.sh [FILES] [FOLDERS] [RENAMES]
#   (defaults: 100000 1000 10000; needs Debian's `rename`, installed by scripts/install-deps.sh)
set -euo pipefail
cd "$(dirname "$0")/.."
files=${1:-100000}
folders=${2:-1000}
renames=${3:-10000}
command -v rename >/dev/null || { echo "needs Debian's rename: scripts/install-deps.sh"; exit 2; }

BUILD_DIR=${BUILD_DIR:-build-bench-rel} BUILD_TYPE=Release
source bench/build_cli.sh

work=$(mktemp -d "${TMPDIR:-/tmp}/torvane-compare-XXXXXX")
trap 'rm -rf "$work"' EXIT
source bench/rename_setup.sh

# Names like "IMG_000123 Holiday photo.jpg", spread evenly over the folders.
make_tree() {
  local tree=$1 per=$(( (files + folders - 1) / folders )) made=0 n f
  for ((f = 0; f < folders && made < files; f++)); do
    mkdir -p "$tree/Folder $f"
    n=$(( files - made < per ? files - made : per ))
    (cd "$tree/Folder $f" &&
      seq -f "IMG_%06g Holiday photo.jpg" $((made + 1)) $((made + n)) | tr '\n' '\0' | xargs -0 touch)
    made=$(( made + n ))
  done
}

write_preview_steps() {
  cat > "$work/preview.tva" <<'PLIST'
<?xml version="1.0" encoding="UTF-8"?>
<plist version="1.0">
<array>
  <dict>
    <key>Task</key><integer>0</integer>
    <key>Rename: Find/Replace: Query is RegEx</key><true/>
    <key>Rename: Find/Replace: Target</key><array><string>(\d+)</string></array>
    <key>Rename: Find/Replace: Replacement</key><array><string>&lt;$1&gt;</string></array>
  </dict>
  <dict>
    <key>Task</key><integer>2</integer>
    <key>Rename: Change Case: Name</key><integer>1</integer>
    <key>Rename: Change Case: Extension</key><integer>1</integer>
  </dict>
  <dict>
    <key>Task</key><integer>103</integer>
    <key>Rename: Insert: String</key><array><string>_x</string></array>
  </dict>
</array>
</plist>
PLIST
}

# Runs a command with its output discarded; prints "SECONDS PEAK_KIB".
measure() {
  local start=$EPOCHREALTIME
  /usr/bin/time -f '%M' -o "$work/time.txt" "$@" >/dev/null 2>"$work/stderr.txt" || {
    echo "failed: $*" >&2; cat "$work/stderr.txt" >&2; exit 1; }
  echo "$(awk "BEGIN { print $EPOCHREALTIME - $start }") $(cat "$work/time.txt")"
}
# The seconds of a measurement ("SECONDS PEAK_KIB") or the best so far, whichever is less.
lesser() { awk -v t="${1%% *}" -v best="$2" 'BEGIN { print (t < best) ? t : best }'; }
ratio() { awk "BEGIN { if ($2 > 0) printf \"%.2f\", $1 / $2; else print \"-\" }"; }
stat_seconds() { sed -nE "s/^$1 [0-9]+ items in ([0-9.]+) s$/\1/p" "$work/stats.txt"; }

echo "Generating $files files in $folders folders and $renames files in one folder ..."
make_tree "$work/tree"
write_preview_steps
perl_program='s/(\d+)/<$1>/; $_ = uc; s/(\.[^.]+)$/_x$1/'

read -r torvane_s torvane_kib < <(measure "$cli" preview --steps "$work/preview.tva" "$work/tree")
read -r perl_s perl_kib < <(measure sh -c 'find "$1" -type f | rename -n -d "$2"' sh "$work/tree" "$perl_program")
# The listing and the computation: the best of three runs each, as a single one swings by half.
# The program tells the listing as its whole population (listing and a computation) less a
# computation run alone; the best of those differences would favour a run whose lone
# computation happened to be slow. The listing is the best population less the best
# computation instead. `find` takes its turn after each run, so that a spell of a busy host
# falls on both alike.
populating_s=999999 computing_s=999999 find_s=999999
for _ in 1 2 3; do
  "$cli" preview --stats --steps "$work/preview.tva" "$work/tree" >/dev/null 2>"$work/stats.txt"
  l=$(stat_seconds 'scanned and sorted') c=$(stat_seconds 'computed names of')
  populating_s=$(lesser "$(awk "BEGIN { print $l + $c }")" "$populating_s")
  computing_s=$(lesser "$c" "$computing_s")
  t=$(measure find "$work/tree" -type f); find_s=$(lesser "$t" "$find_s")
done
listing_s=$(awk "BEGIN { print $populating_s - $computing_s }")

# A run of 10,000 renames takes a tenth of a second: each of the three keeps the best of three
# runs, each on a fresh folder. They take turns, for the same reason as above.
rename_s=999999 floor_s=999999 perl_rename_s=999999
for _ in 1 2 3; do
  make_rename_folder "$renames"
  t=$(measure "$cli" rename --yes --steps "$work/suffix.tva" "$work/f"); rename_s=$(lesser "$t" "$rename_s")
  test -e "$work/f/file 00001-done.txt" || { echo "torvane-cli did not rename"; exit 1; }
  make_rename_folder "$renames"
  t=$(measure "$work/floor" "$work/f" "-done"); floor_s=$(lesser "$t" "$floor_s")
  make_rename_folder "$renames"
  t=$(measure sh -c 'cd "$1" && rename "s/\.txt\$/-done.txt/" *' sh "$work/f")
  perl_rename_s=$(lesser "$t" "$perl_rename_s")
done

printf 'Torvane against its anchors, %s, %s\n' "$(date -u +%Y-%m-%d)" "$(uname -srm), $(nproc) cores"
printf '%-58s %9s %10s %9s\n' "work ($files items in $folders folders)" "Torvane" "anchor" "ratio"
printf '%-58s %8.2fs %9.2fs %8s×\n' "preview vs find | rename -n" "$torvane_s" "$perl_s" "$(ratio "$torvane_s" "$perl_s")"
printf '%-58s %6.0fMiB %7.0fMiB %8s×\n' "  peak memory" "$((torvane_kib / 1024))" "$((perl_kib / 1024))" "$(ratio "$torvane_kib" "$perl_kib")"
printf '%-58s %9s\n' "  bytes per item" "$((torvane_kib * 1024 / files))"
printf '%-58s %8.3fs %9.3fs %8s×\n' "listing (--stats: scanned and sorted) vs find -type f" "$listing_s" "$find_s" "$(ratio "$listing_s" "$find_s")"
printf '%-58s %8.3fs\n' "name computation (--stats)" "$computing_s"
printf '%-58s %8.3fs %9.3fs %8s×\n' "rename --yes of $renames files vs renameat2 floor" "$rename_s" "$floor_s" "$(ratio "$rename_s" "$floor_s")"
printf '%-58s %9s %9.3fs %8s×\n' "  perl rename vs the floor" "" "$perl_rename_s" "$(ratio "$perl_rename_s" "$floor_s")"
