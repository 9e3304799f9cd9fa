#!/usr/bin/env bash
# Times `torvane-cli preview` on a generated tree of FILES files spread over FOLDERS folders,
# with two configurations: three steps (a regular-expression replacement, a change of case and
# a suffix), and tokens (a sequence counted per parent folder, named after the folder and the
# file's modification date, which needs a second pass), and an Advanced step of five nested
# calls (a regular-expression replacement, a change of case, the file's date, a sequence and
# a concatenation). Reports the scan time, the name
# computation time and the peak memory of each.
#
#   [TORVANE_CLI=path] bench/preview_tree.sh [FILES] [FOLDERS]      (defaults: 100000 1000)
set -euo pipefail
cd "$(dirname "$0")/.."
files=${1:-100000}
folders=${2:-1000}

# TORVANE_CLI names an already built torvane-cli to time instead.
source bench/build_cli.sh

work=$(mktemp -d "${TMPDIR:-/tmp}/torvane-bench-XXXXXX")
trap 'rm -rf "$work"' EXIT
tree="$work/tree"
echo "Generating $files files in $folders folders under $tree ..."
per=$(( (files + folders - 1) / folders ))
made=0
for ((f = 0; f < folders && made < files; f++)); do
  dir=$(printf '%s/Folder %04d' "$tree" "$f")
  mkdir -p "$dir"
  n=$(( files - made < per ? files - made : per ))
  (cd "$dir" && seq -f "IMG_%05g.JPG" 1 "$n" | xargs touch)
  made=$(( made + n ))
done

cat > "$work/steps.tva" <<'PLIST'
<?xml version="1.0" encoding="UTF-8"?>
<plist version="1.0">
<array>
  <dict>
    <key>Task</key><integer>0</integer>
    <key>Rename: Find/Replace: Query is RegEx</key><true/>
    <key>Rename: Find/Replace: Target</key><array><string>^IMG_(\d+)$</string></array>
    <key>Rename: Find/Replace: Replacement</key><array><string>Photo $1</string></array>
  </dict>
  <dict>
    <key>Task</key><integer>2</integer>
    <key>Rename: Change Case: Name</key><integer>1</integer>
    <key>Rename: Change Case: Extension</key><integer>2</integer>
  </dict>
  <dict>
    <key>Task</key><integer>103</integer>
    <key>Rename: Insert: String</key><array><string> (edited)</string></array>
  </dict>
</array>
</plist>
PLIST

cat > "$work/tokens.tva" <<'PLIST'
<?xml version="1.0" encoding="UTF-8"?>
<plist version="1.0">
<array>
  <dict>
    <key>Task</key><integer>110</integer>
    <key>Rename: Insert: String</key>
    <array>
      <dict><key>Proxy</key><string>parent folder: name</string></dict>
      <string> </string>
      <dict><key>Proxy</key><string>kMDItemFSContentChangeDate</string></dict>
      <string> </string>
    </array>
    <key>Rename: Sequence: Identifier</key>
    <array><dict><key>Proxy</key><string>parent folder: name</string></dict></array>
  </dict>
</array>
PLIST

cat > "$work/advanced.tva" <<'PLIST'
<?xml version="1.0" encoding="UTF-8"?>
<plist version="1.0">
<array>
  <dict>
    <key>Task</key><integer>9</integer>
    <key>Rename: Advanced: Prototpye</key>
    <string>[concatenate [uppercase [findRegex "^img_(\d+)$" in &lt;name&gt; and replace with "photo $1" ignore case]] " " [modified "%Y-%m-%d"] " " [sequence] &lt;.extension&gt;]</string>
  </dict>
</array>
</plist>
PLIST

for config in steps tokens advanced; do
  echo "Running preview with the $config configuration ..."
  /usr/bin/time -f "peak memory: %M KiB, wall: %e s" \
    "$cli" preview --stats --steps "$work/$config.tva" "$tree" >"$work/out.txt" 2>"$work/err.txt" || true
  grep -E 'scanned|computed|peak memory' "$work/err.txt"
  echo "listed: $(wc -l <"$work/out.txt") items; first: $(head -n 1 "$work/out.txt")"
done
