#!/usr/bin/env bash
# Runs the bash completion function against the built torvane-cli.
# Usage: bash_completion.sh SOURCE-FOLDER FOLDER-OF-TORVANE-CLI
set -uo pipefail
export PATH=$2:$PATH
source "$1/resources/completions/torvane-cli.bash"
compopt() { :; }  # only meaningful inside a real completion
failed=0

complete_words() {  # the words typed so far, the last one being completed
  COMP_WORDS=("$@")
  COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
  COMPREPLY=()
  _torvane_cli
}
expect() {  # expect WORD: the last completion offered WORD
  local word
  for word in "${COMPREPLY[@]}"; do [ "$word" = "$1" ] && return; done
  echo "not offered: $1 (offered: ${COMPREPLY[*]})"
  failed=1
}

complete_words torvane-cli re;                    expect rename; expect revert
complete_words torvane-cli rename --fr;           expect --from-stdin
complete_words torvane-cli preview --case lower:e; expect lower:extension
complete_words torvane-cli preview --sort mo;     expect modified
complete_words torvane-cli preview --prefix 'x<name of p'; expect 'x<Name of Parent Folder>'
for shell in zsh fish; do
  if command -v $shell >/dev/null; then
    file=$1/resources/completions/$([ $shell = zsh ] && echo _torvane-cli || echo torvane-cli.fish)
    $shell -n "$file" || failed=1
  fi
done
exit $failed
