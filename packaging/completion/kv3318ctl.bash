# bash completion for kv3318ctl                            -*- shell-script -*-

# The setting names as the program being completed knows them, so that they
# never fall behind its table of settings.
_kv3318ctl_settings()
{
    "$1" help settings 2>/dev/null | awk '/^  [a-z]/ { print $1 }'
}

_kv3318ctl_ports()
{
    local port
    for port in /dev/serial/by-id/* /dev/ttyUSB* /dev/ttyACM* /dev/ttyS*; do
        [[ -e $port ]] && printf '%s\n' "$port"
    done
}

_kv3318ctl()
{
    local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD - 1]}
    local program=${COMP_WORDS[0]} command= i
    COMPREPLY=()

    # The command is the first word that is neither an option nor its value.
    for ((i = 1; i < COMP_CWORD; i++)); do
        case ${COMP_WORDS[i]} in
            --port | --to | --firmware) ((i++)) ;;
            -*) ;;
            *)
                command=${COMP_WORDS[i]}
                break
                ;;
        esac
    done

    case $prev in
        --port)
            COMPREPLY=($(compgen -W "$(_kv3318ctl_ports)" -- "$cur"))
            [[ $cur == */* ]] && COMPREPLY+=($(compgen -f -- "$cur"))
            return
            ;;
        --to | --firmware)
            return
            ;;
    esac

    if [[ $cur == -* ]]; then
        local options="--port --verbose --help --version"
        case $command in
            list | get | diff | history) options+=" --json" ;;
            put) options+=" --json --dry-run --firmware" ;;
            wave) options+=" --to" ;;
        esac
        COMPREPLY=($(compgen -W "$options" -- "$cur"))
        return
    fi

    case $command in
        '')
            COMPREPLY=($(compgen -W "list get put set diff wave history help" -- "$cur"))
            ;;
        set)
            COMPREPLY=($(compgen -W "$(_kv3318ctl_settings "$program")" -S = -- "$cur"))
            compopt -o nospace 2>/dev/null
            ;;
        get)
            COMPREPLY=($(compgen -W "$(_kv3318ctl_settings "$program")" -- "$cur"))
            ;;
        put | diff)
            COMPREPLY=($(compgen -f -- "$cur"))
            [[ -z $cur ]] && COMPREPLY+=(-)
            ;;
        history)
            [[ $prev == history ]] && COMPREPLY=($(compgen -W "show" -- "$cur"))
            ;;
        help)
            COMPREPLY=($(compgen -W "list get put set diff wave history settings" -- "$cur"))
            ;;
    esac
}

complete -F _kv3318ctl kv3318ctl
