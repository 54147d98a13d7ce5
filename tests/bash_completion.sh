#!/usr/bin/env bash
# The bash completion of kv3318ctl, asked as bash asks: the line broken into
# words at spaces and at the characters of COMP_WORDBREAKS (= and : among
# them), with and without the bash-completion package's helpers.
#   tests/bash_completion.sh COMPLETION-FILE KV3318CTL [BASH-COMPLETION]
set -uo pipefail
ctl=$2
helpers=${3:-}
if [ -n "$helpers" ]; then
    [ -f "$helpers" ] || { echo "no bash-completion package at $helpers" >&2; exit 1; }
    # Its helpers expect an interactive shell's settings.
    shopt -s extglob progcomp
    source "$helpers"
    declare -F _get_comp_words_by_ref >/dev/null || { echo "its helpers did not load" >&2; exit 1; }
fi
source "$1"
COMP_WORDBREAKS=$' \t\n"\'><=;|&(:'
failed=0

# The line `kv3318ctl TYPED` completed as bash would: the reply replaces
# the text after the last break; several replies are listed after a |.
completed() {
    local typed="$ctl $1"
    COMP_LINE=$typed
    COMP_POINT=${#typed}
    COMP_WORDS=()
    local word rest
    for word in $typed; do
        rest=$word
        while [[ $rest =~ ^([^=:]*)([=:])(.*)$ ]]; do
            [ -n "${BASH_REMATCH[1]}" ] && COMP_WORDS+=("${BASH_REMATCH[1]}")
            COMP_WORDS+=("${BASH_REMATCH[2]}")
            rest=${BASH_REMATCH[3]}
        done
        [ -n "$rest" ] && COMP_WORDS+=("$rest")
    done
    [[ $typed == *' ' || $typed == *[=:] ]] && COMP_WORDS+=("")
    COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
    COMPREPLY=()
    _kv3318ctl
    local current=${COMP_WORDS[COMP_CWORD]}
    if [ ${#COMPREPLY[@]} -eq 1 ]; then
        echo "${typed%"$current"}${COMPREPLY[0]}"
    else
        echo "| ${COMPREPLY[*]}"
    fi
}

expect() {
    local typed=$1 wanted=$2 got
    got=$(completed "$typed")
    if [ "$got" != "$wanted" ]; then
        echo "${helpers:-without helpers}: kv3318ctl $typed gave \"$got\", not \"$wanted\"" >&2
        failed=1
    fi
}

expect "s" "$ctl set"
expect "set f" "$ctl set foodMinutes="
expect "set mode=pu" "$ctl set mode=pulse"
expect "set moonlight=" "| on off"
expect "set foodMinutes=1" "| 1 15"
expect "set power2" "| power2Socket1= power2Socket2= power2Socket3= power2Socket4="
expect "get foodMinutes wave" "| waveController waveSeconds"
expect "--port /dev/ttyUSB0 --verbose d" "$ctl --port /dev/ttyUSB0 --verbose diff"
expect "put --d" "$ctl put --dry-run"
expect "get --d" "| "
expect "set --a" "$ctl set --all"
expect "help se" "| set settings"
expect "history s" "$ctl history show"

# A port name with colons, as /dev/serial/by-path names are.
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
touch "$folder/pci-0000:00:14.0-usb-0:1:1.0-port0"
expect "--port $folder/pci-0000:00:14" "$ctl --port $folder/pci-0000:00:14.0-usb-0:1:1.0-port0"
exit $failed
