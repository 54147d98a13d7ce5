# bash completion for kv3318ctl                            -*- shell-script -*-

# The setting names, and the values each takes, as the program being
# completed knows them, so that they never fall behind its table of settings.
_kv3318ctl_settings()
{
    "$1" help settings 2>/dev/null | awk '/^  [a-z]/ { print $1 }'
}

# A setting's words and the ends of its range: pulse interval sequential,
# on off, 0 30 100.
_kv3318ctl_values()
{
    "$1" help settings 2>/dev/null | awk -v name="$2" '
        $1 == name {
            sub(/ in steps of .*/, "")
            for (i = 2; i <= NF; i++) {
                word = $i
                gsub(/,/, "", word)
                if (word ~ /^[a-z0-9.]+$/ && word != "or" && word != "to" && word !~ /^(percent|seconds|minutes|hours|days)$/)
                    print word
            }
        }'
}

_kv3318ctl_ports()
{
    local port
    for port in /dev/serial/by-id/* /dev/serial/by-path/* /dev/ttyUSB* /dev/ttyACM* /dev/ttyS*; do
        [[ -e $port ]] && printf '%s\n' "$port"
    done
}

# The words of the line as the user typed them: bash breaks them at = and :
# (COMP_WORDBREAKS), which NAME=VALUE and port names hold. The
# bash-completion package's helper does this where it is installed.
_kv3318ctl_words()
{
    if declare -F _get_comp_words_by_ref >/dev/null; then
        _get_comp_words_by_ref -n =: cur prev words cword
        return
    fi
    words=()
    cword=0
    local i word
    for ((i = 0; i < ${#COMP_WORDS[@]}; i++)); do
        word=${COMP_WORDS[i]}
        if ((i > 0 && ${#words[@]} > 0)) && [[ $word == [=:] || ${COMP_WORDS[i - 1]} == [=:] ]]; then
            words[${#words[@]} - 1]+=$word
        else
            words+=("$word")
        fi
        ((i == COMP_CWORD)) && cword=$((${#words[@]} - 1))
    done
    cur=${words[cword]}
    prev=${words[cword - 1]}
}

# Offers `candidates` for the word `cur`, of which bash replaces only the
# part after its last = or :.
_kv3318ctl_offer()
{
    local candidate broken=${cur%"${cur##*[=:]}"}
    [[ $COMP_WORDBREAKS == *[=:]* ]] || broken=
    COMPREPLY=()
    for candidate in "$@"; do
        [[ $candidate == "$cur"* ]] && COMPREPLY+=("${candidate#"$broken"}")
    done
}

_kv3318ctl()
{
    local cur prev words cword
    _kv3318ctl_words
    local program=${words[0]} command= i
    COMPREPLY=()

    # The command is the first word that is neither an option nor its value.
    for ((i = 1; i < cword; i++)); do
        case ${words[i]} in
            --port | --to | --firmware) ((i++)) ;;
            -*) ;;
            *)
                command=${words[i]}
                break
                ;;
        esac
    done

    case $prev in
        --port)
            local IFS=$'\n'
            _kv3318ctl_offer $(_kv3318ctl_ports) $(compgen -f -- "$cur")
            return
            ;;
        --to | --firmware)
            return
            ;;
    esac

    if [[ $cur == -* ]]; then
        local options="--port --verbose --help --version"
        case $command in
            list | history) options+=" --json" ;;
            get | set | diff) options+=" --json --all" ;;
            put) options+=" --json --all --dry-run --firmware" ;;
            wave) options+=" --all --to" ;;
        esac
        _kv3318ctl_offer $options
        return
    fi

    case $command in
        '')
            _kv3318ctl_offer list get put set diff wave history help
            ;;
        set)
            if [[ $cur == *=* ]]; then
                local name=${cur%%=*} value
                local -a values=()
                for value in $(_kv3318ctl_values "$program" "$name"); do
                    values+=("$name=$value")
                done
                _kv3318ctl_offer "${values[@]}"
            else
                local -a names=()
                local name
                for name in $(_kv3318ctl_settings "$program"); do
                    names+=("$name=")
                done
                _kv3318ctl_offer "${names[@]}"
                compopt -o nospace 2>/dev/null
            fi
            ;;
        get)
            _kv3318ctl_offer $(_kv3318ctl_settings "$program")
            ;;
        put | diff)
            local IFS=$'\n'
            _kv3318ctl_offer $(compgen -f -- "$cur")
            [[ -z $cur ]] && COMPREPLY+=(-)
            ;;
        history)
            [[ $prev == history ]] && _kv3318ctl_offer show
            ;;
        help)
            _kv3318ctl_offer list get put set diff wave history settings
            ;;
    esac
}

complete -F _kv3318ctl kv3318ctl
