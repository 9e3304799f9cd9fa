#!/usr/bin/env bash
# Asks fish for the completions of command lines (complete -C) with the completion file
# loaded, against the built torvane-cli.
# Usage: fish_completion.sh SOURCE-FOLDER FOLDER-OF-TORVANE-CLI
set -uo pipefail
command -v fish >/dev/null || { echo "skipped: fish is not installed"; exit 77; }
source "$(dirname "$0")/completion_scratch.sh"
export PATH=$2:$PATH
failed=0

# offered SOURCE LINE WORD: completing LINE offers WORD (fish prints "word<TAB>description",
# with the quote the word was begun with).
offered() {
  fish --no-config -c 'source $argv[1]; complete -C $argv[2]' "$1/resources/completions/torvane-cli.fish" "$2" |
    cut -f1 | sed "s/^'//" | grep -qxF -- "$3" && return
  echo "not offered for \"$2\": $3"
  failed=1
}
source_folder=$1
expect() { offered "$source_folder" "$@"; }

expect 'torvane-cli re' rename
expect 'torvane-cli re' revert
expect 'torvane-cli rename --fr' --from-stdin
expect 'torvane-cli preview --case lower:e' lower:extension
# "<" outside quotes is a redirection, so a token is typed inside quotes.
expect "torvane-cli preview --prefix 'x<name of p" 'x<Name of Parent Folder>'
expect 'torvane-cli preview --preset ' "$scratch_preset"
exit $failed
