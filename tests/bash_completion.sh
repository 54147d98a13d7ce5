#!/usr/bin/env bash
# The words the bash completion of kv3318ctl offers, asked for as bash asks.
#   tests/bash_completion.sh COMPLETION-FILE KV3318CTL
set -uo pipefail
source "$1"
ctl=$2
failed=0

# What is offered with the cursor at the end of `kv3318ctl WORD...`.
offered() {
    COMP_WORDS=("$ctl" "$@")
    COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
    COMPREPLY=()
    _kv3318ctl
    echo "${COMPREPLY[*]}"
}

expect() {
    local wanted=$1
    shift
    local got
    got=$(offered "$@")
    if [ "$got" != "$wanted" ]; then
        echo "after kv3318ctl $*: offered \"$got\", not \"$wanted\"" >&2
        failed=1
    fi
}

expect "set" s
expect "foodMinutes=" set f
expect "power2Socket1= power2Socket2= power2Socket3= power2Socket4=" set power2
expect "waveController waveSeconds" get foodMinutes wave
expect "diff" --port /dev/ttyUSB0 --verbose d
expect "--dry-run" put --d
expect "" get --d
expect "set settings" help se
expect "" --port /nonexistent/
exit $failed
