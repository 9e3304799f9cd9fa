# Sourced by the scripts that time rename runs, once they made their scratch folder $work:
# - the program's settings, history and journals go to a home inside $work, never the user's;
# - $work/floor is the plain C loop of renameat2 (the floor);
# - $work/suffix.tva is the suffix step "-done";
# - make_rename_folder COUNT makes $work/f anew with COUNT files.
export HOME=$work/home XDG_CONFIG_HOME=$work/home/config XDG_DATA_HOME=$work/home/data \
  XDG_STATE_HOME=$work/home/state XDG_CACHE_HOME=$work/home/cache
mkdir -p "$HOME"
cc -O2 -o "$work/floor" bench/renameat2_floor.c
cat > "$work/suffix.tva" <<'PLIST'
<?xml version="1.0" encoding="UTF-8"?>
<plist version="1.0"><array><dict>
  <key>Task</key><integer>103</integer>
  <key>Rename: Insert: String</key><array><string>-done</string></array>
</dict></array></plist>
PLIST

# Each rename run starts with nothing of the setup left to write back: the floor never flushes
# and would not notice, a durable run flushes its plan and would wait for the setup's writes.
make_rename_folder() {
  rm -rf "$work/f" && mkdir -p "$work/f"
  (cd "$work/f" && seq -f "file %05g.txt" 1 "$1" | tr '\n' '\0' | xargs -0 touch)
  sync
}
