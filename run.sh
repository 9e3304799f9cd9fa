#!/usr/bin/env bash
# Installs what is missing, builds Torvane and runs it: the window on a desktop session,
# else (no display) `torvane-cli preview` on a small sample folder with a sample configuration.
set -euo pipefail
cd "$(dirname "$0")"
scripts/configure.sh
export CCACHE_BASEDIR="$PWD"
cmake --build build -j "$(nproc)" --target torvane-cli torvane

demo=$(mktemp -d "${TMPDIR:-/tmp}/torvane-demo-XXXXXX")
trap 'rm -rf "$demo"' EXIT
mkdir -p "$demo/Holiday"
mkdir -p "$demo/Holiday/Day 2"
for name in "IMG_0012.JPG" "IMG_0047.JPG" "img_0047.jpg" "notes.txt" "Day 2/IMG_0101.JPG" \
            ".hidden-file"; do
  : > "$demo/Holiday/$name"
done

# A configuration file: an XML property list holding an array of steps.
cat > "$demo/sample.tva" <<'PLIST'
<?xml version="1.0" encoding="UTF-8"?>
<!DOCTYPE plist PUBLIC "-//Apple//DTD PLIST 1.0//EN" "http://www.apple.com/DTDs/PropertyList-1.0.dtd">
<plist version="1.0">
<array>
  <dict>
    <key>Task</key><integer>0</integer>
    <key>Rename: Find/Replace: Target</key><array><string>IMG_</string></array>
    <key>Rename: Find/Replace: Replacement</key><array><string>Photo </string></array>
  </dict>
  <dict>
    <key>Task</key><integer>2</integer>
    <key>Rename: Change Case: Name</key><integer>0</integer>
    <key>Rename: Change Case: Extension</key><integer>2</integer>
  </dict>
</array>
</plist>
PLIST

if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  echo "Starting Torvane with the sample folder $demo/Holiday listed."
  build/src/app/torvane "$demo/Holiday"
  exit 0
fi
echo "No desktop session (neither DISPLAY nor WAYLAND_DISPLAY is set): showing the command line instead."
echo

echo "Sample folder: $demo/Holiday (and its subfolder \"Day 2\")"
echo "Steps: 1) replace \"IMG_\" with \"Photo \"  2) lower-case the extension"
echo
build/src/cli/torvane-cli preview --steps "$demo/sample.tva" "$demo/Holiday"
echo
cat <<'TEXT'
Each line shows the light, the current name and, after the arrow, the new name:
  green   the item will be renamed to the new name
  yellow  it will be renamed, but the name had to be cleaned (see the warning)
  red     it will not be renamed: the new name is unusable (see the error)
  grey    the name does not change
"IMG_0047.JPG" and "img_0047.jpg" are two files on this case-sensitive file system; both
would become "Photo 0047.jpg", so both are red. Hidden items are left out unless you pass
--include-invisible; --auto-uniqueify would number the second name instead.
Nothing on disk was changed: preview only computes names.
TEXT
