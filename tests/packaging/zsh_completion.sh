#!/usr/bin/env bash
# Runs the zsh completion function against the built torvane-cli, with compadd and friends
# replaced by recorders (they only work inside a real completion widget).
# Usage: zsh_completion.sh SOURCE-FOLDER FOLDER-OF-TORVANE-CLI
set -uo pipefail
command -v zsh >/dev/null || { echo "skipped: zsh is not installed"; exit 77; }
source "$(dirname "$0")/completion_scratch.sh"
export PATH=$2:$PATH
exec zsh -f -c '
source_file=$1 preset=$2
failed=0
typeset -a offered
compadd() {
  local take_array=0
  while (( $# )); do
    case $1 in
      -a) take_array=1; shift ;;
      -S|-M|-P) shift 2 ;;
      --) shift; offered+=("$@"); return ;;
      *) if (( take_array )); then offered+=("${(@P)1}"); else offered+=("$1"); fi; shift ;;
    esac
  done
}
compset() { :; }
_files() { offered+=(FILES); }
# The completion file ends by calling its function; define it without running it.
eval "$(sed "\$d" $source_file)"
complete_words() {  # the words typed so far, the last one being completed
  words=("$@"); CURRENT=$#; offered=()
  _torvane-cli
}
expect() {
  (( ${offered[(Ie)$1]} )) && return
  print -r -- "not offered: $1 (offered: ${offered[*]})"; failed=1
}
complete_words torvane-cli re;                        expect rename; expect revert; expect --help
complete_words torvane-cli rename --fr;               expect --from-stdin
complete_words torvane-cli preview --case lower:e;    expect lower:extension
complete_words torvane-cli preview --prefix "x<name"; expect "Name of Parent Folder>"
complete_words torvane-cli preview --preset "";       expect "$preset"
complete_words torvane-cli preview photo;             expect FILES
exit $failed
' zsh "$1/resources/completions/_torvane-cli" "$scratch_preset"
