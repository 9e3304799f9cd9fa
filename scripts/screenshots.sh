#!/usr/bin/env bash
# Takes screenshots of the window under a virtual display: an empty window, 50 files with
# green, yellow, red and grey lights, the interim names of two steps, a rename under way, and
# a sequence counted per folder through tokens, an Advanced step (working and broken), the help
# window (its contents, a page with a picture, a search), the log viewer and the About window,
# the history bar, the presets menu and the preferences of presets and history.
# Usage: scripts/screenshots.sh [--guide] [OUTPUT-FOLDER]   (needs a built build/src/app/torvane)
# --guide also puts the pictures the user guide shows into resources/help/en/images.
set -euo pipefail
cd "$(dirname "$0")/.."
guide=""
if [ "${1:-}" = --guide ]; then guide=$PWD/resources/help/en/images; shift; fi
out=$(realpath -m "${1:-screenshots}")
mkdir -p "$out"
app=${TORVANE_APP:-$PWD/build/src/app/torvane}
work=$(mktemp -d "${TMPDIR:-/tmp}/torvane-shots-XXXXXX")
trap 'rm -rf "$work"' EXIT

# A private home, so the screenshots never use or change the user's own settings.
export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_DATA_HOME=$work/home/.local/share
export XDG_STATE_HOME=$work/home/.local/state XDG_RUNTIME_DIR=$work/runtime
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"

mkdir -p "$work/Photos" "$work/Many"
for i in $(seq 1 40); do : > "$work/Photos/IMG_$i.JPG"; done
for i in 3 8 15; do : > "$work/Photos/IMG_${i}_draft.JPG"; done  # yellow: a tab becomes a space
: > "$work/Photos/img_7.JPG"                                       # red: same name as IMG_7
for name in notes.txt readme.md budget.ods todo.txt cover.png list.csv; do
  : > "$work/Photos/$name"                                         # grey: unchanged
done
for i in $(seq 1 10000); do : > "$work/Many/IMG_$i.JPG"; done
mkdir -p "$work/Trip/Beach" "$work/Trip/City" "$work/Trip/Harbour"
for i in $(seq 1 12); do : > "$work/Trip/Beach/DSC_$i.JPG"; done
for i in 1 2 3; do : > "$work/Trip/City/DSC_$i.JPG"; done
: > "$work/Trip/Harbour/DSC_1.JPG"                                 # alone: a lazy group

step() {  # find, replace
  printf '  <dict><key>Task</key><integer>0</integer>'
  printf '<key>Rename: Find/Replace: Target</key><array><string>%s</string></array>' "$1"
  printf '<key>Rename: Find/Replace: Replacement</key><array><string>%s</string></array></dict>\n' "$2"
}
{
  echo '<?xml version="1.0" encoding="UTF-8"?>'
  echo '<plist version="1.0"><array>'
  step "IMG_" "Photo "
  step "_draft" "&#9;draft"
  echo '</array></plist>'
} > "$work/steps.tva"

# Numbers per folder after the folder's name; a folder with one file gets the name alone.
folder='<dict><key>Proxy</key><string>parent folder: name</string></dict>'
cat > "$work/per-folder.tva" <<PLIST
<?xml version="1.0" encoding="UTF-8"?>
<plist version="1.0"><array><dict>
  <key>Task</key><integer>110</integer>
  <key>Rename: Insert: String</key><array>$folder<string> </string></array>
  <key>Rename: Sequence: Identifier</key><array>$folder<string>&#x1F6CC;</string></array>
</dict></array></plist>
PLIST

# An Advanced step, and one whose prototype has an unknown function and a stray bracket.
advanced() {
  printf '<?xml version="1.0" encoding="UTF-8"?>\n<plist version="1.0"><array><dict>'
  printf '<key>Task</key><integer>9</integer><key>Rename: Advanced: Prototpye</key>'
  printf '<string>%s</string></dict></array></plist>\n' "$1"
}
advanced '[concatenate [uppercase [find "IMG_" in &lt;name&gt; and replace with "photo "]]
  "_" [sequence from "1"] &lt;.extension&gt;]' > "$work/advanced.tva"
advanced '[concatenat &lt;name&gt; "_"]]' > "$work/advanced-broken.tva"

# The scene runs inside the virtual display (xvfb-run's shell keeps no shell functions).
cat > "$work/scene.sh" <<'SCENE'
shoot() { sleep "$2"; import -window root "$out/$1.png"; echo "$out/$1.png"; }
# Qt ignores keys sent to a window, so the window takes the focus and the keys go to it.
# Only a mapped window can take the focus: Qt also keeps an unmapped one of the same name.
key() { xdotool search --onlyvisible --name '^Torvane$' windowfocus --sync; xdotool key "$@"; }
"$app" & pid=$!
shoot empty-window 3
"$app" "$work/steps.tva"; sleep 1
"$app" "$work/Photos"
shoot fifty-files 2
key ctrl+i
shoot interim-names 1
key Escape
"$app" "$work/per-folder.tva"; sleep 1
"$app" "$work/Trip"
shoot sequence-per-folder 2
"$app" "$work/advanced.tva"; sleep 1
"$app" "$work/Photos"
shoot advanced 2
"$app" "$work/advanced-broken.tva"
shoot advanced-errors 2
# The Help menu opens on "Torvane Help"; Down n times reaches the entry n places below it.
menu() { key alt+h; for _ in $(seq "$1"); do xdotool key Down; done; xdotool key Return; }
key F1
shoot help-contents 2
menu 1
shoot help-page 2
xdotool search --onlyvisible --name '^Torvane Help$' windowfocus --sync
xdotool key ctrl+f; xdotool type --delay 40 "sequence digits"
shoot help-search 2
# Without a window manager the help window keeps the keyboard until it is hidden.
xdotool search --name '^Torvane Help$' windowunmap
menu 10
shoot log-viewer 2
xdotool search --onlyvisible --name '^Torvane Log$' windowunmap
menu 12
shoot about 2
xdotool search --onlyvisible --name '^About Torvane$' windowunmap
"$app" "$work/steps.tva"; sleep 1
"$app" "$work/Many"; sleep 12
# The confirmation comes up as a second window of that name and takes the keyboard itself.
key ctrl+Return
for _ in $(seq 60); do
  [ "$(xdotool search --onlyvisible --name '^Torvane$' | wc -l)" -ge 2 ] && break; sleep 0.5
done
xdotool key Return
shoot rename-running 2
sleep 50
shoot rename-done 0
# The run went into the history: the bar above the steps, then the presets menu.
key ctrl+y
shoot history-bar 1
key Escape
key alt+p
shoot presets-menu 1
xdotool key Escape
# The preferences on their fourth tab: where presets and snippets are kept.
key ctrl+comma; sleep 1
for _ in 1 2 3; do xdotool key ctrl+Tab; done
shoot preferences-presets 1
xdotool key Escape
kill $pid
SCENE
export app work out
xvfb-run -a -s '-screen 0 1280x800x24' bash "$work/scene.sh"

# The guide shows the window alone: the virtual screen around it is cut away.
if [ -n "$guide" ]; then
  mkdir -p "$guide"
  for shot in empty-window fifty-files interim-names sequence-per-folder advanced \
              advanced-errors rename-running history-bar presets-menu; do
    convert "$out/$shot.png" -trim +repage "$guide/$shot.png"
  done
fi
