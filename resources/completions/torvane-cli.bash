# bash completion for torvane-cli. The words come from the program itself
# (torvane-cli __complete ...), so they follow the installed version.
_torvane_cli() {
    local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD - 1]}
    # bash cuts words at ":" and "="; bash-completion's helper puts them back together.
    declare -F _get_comp_words_by_ref >/dev/null && _get_comp_words_by_ref -n =: cur prev
    local command=${COMP_WORDS[1]} IFS=$'\n'
    if ((COMP_CWORD == 1)); then
        COMPREPLY=($(compgen -W "$(torvane-cli __complete commands)"$'\n--help\n--version' -- "$cur"))
        return
    fi
    if [[ $command == help ]]; then
        COMPREPLY=($(compgen -W "$(torvane-cli __complete commands)" -- "$cur"))
        return
    fi
    case $prev in
    --steps | --config | --terms-file)
        COMPREPLY=($(compgen -f -- "$cur"))
        compopt -o filenames
        return
        ;;
    --preset)
        COMPREPLY=($(compgen -W "$(torvane-cli __complete presets 2>/dev/null)" -- "$cur"))
        compopt -o filenames
        return
        ;;
    esac
    local choices
    choices=$(torvane-cli __complete choices "$prev")
    if [[ -n $choices ]]; then
        COMPREPLY=($(compgen -W "$choices" -- "$cur"))
        declare -F __ltrim_colon_completions >/dev/null && __ltrim_colon_completions "$cur"
        return
    fi
    if [[ $cur == *'<'* ]]; then
        # A token name after the last "<"; the names hold spaces, so they are quoted.
        local before=${cur%<*} typed=${cur##*<} name
        COMPREPLY=()
        while read -r name; do
            [[ ${name,,} == "<${typed,,}"* ]] && COMPREPLY+=("$before$name")
        done < <(torvane-cli __complete tokens)
        compopt -o filenames -o nospace
        return
    fi
    if [[ $cur == -* ]]; then
        COMPREPLY=($(compgen -W "$(torvane-cli __complete options "$command")" -- "$cur"))
        return
    fi
    COMPREPLY=($(compgen -f -- "$cur"))
    compopt -o filenames
}
complete -F _torvane_cli torvane-cli
