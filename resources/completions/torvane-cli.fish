# fish completion for torvane-cli. The words come from the program itself
# (torvane-cli __complete ...), so they follow the installed version.

function __torvane_cli_command
    set -l words (commandline -opc)
    echo $words[2]
end

function __torvane_cli_choices
    set -l words (commandline -opc)
    torvane-cli __complete choices $words[-1]
end

function __torvane_cli_wants_choice
    set -l choices (__torvane_cli_choices)
    test -n "$choices"
end

function __torvane_cli_after_preset
    set -l words (commandline -opc)
    test "$words[-1]" = --preset
end

function __torvane_cli_options
    torvane-cli __complete options (__torvane_cli_command)
end

function __torvane_cli_tokens
    set -l current (commandline -ct)
    set -l before (string replace -r '<[^<]*$' '' -- $current)
    for name in (torvane-cli __complete tokens)
        echo $before$name
    end
end

complete -c torvane-cli -f
complete -c torvane-cli -n '__fish_is_first_arg' -a '(torvane-cli __complete commands)'
complete -c torvane-cli -n '__fish_is_first_arg' -l help -l version
complete -c torvane-cli -n '__fish_seen_subcommand_from help' -a '(torvane-cli __complete commands)'
complete -c torvane-cli -n 'not __fish_is_first_arg; and __torvane_cli_wants_choice' -a '(__torvane_cli_choices)'
complete -c torvane-cli -n 'not __fish_is_first_arg; and string match -q -- "-*" (commandline -ct)' -a '(__torvane_cli_options)'
complete -c torvane-cli -n 'string match -q -- "*<*" (commandline -ct)' -a '(__torvane_cli_tokens)'
complete -c torvane-cli -n '__torvane_cli_after_preset' -a '(torvane-cli __complete presets 2>/dev/null)'
complete -c torvane-cli -n 'not __fish_is_first_arg; and not __torvane_cli_wants_choice; and not string match -q -- "-*" (commandline -ct)' -F
