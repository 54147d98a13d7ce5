#!/usr/bin/env bash
# Every command and option kv3318ctl's help lists is in its manual page and
# in the bash, zsh and fish completions.
#   tests/help_agrees.sh KV3318CTL PACKAGING-FOLDER
set -uo pipefail
ctl=$1
packaging=$2
failed=0
help=$(LC_ALL=C "$ctl" help) || { echo "kv3318ctl help failed" >&2; exit 1; }
commands=$(awk '/^Commands:/ { on = 1; next } /^$/ { on = 0 } on && /^  [a-z]/ { print $1 }' <<<"$help")
[ -n "$commands" ] || { echo "no commands in the help" >&2; exit 1; }
for command in $commands; do
    help+=$'\n'$(LC_ALL=C "$ctl" help "$command") || { echo "help $command failed" >&2; failed=1; }
done
options=$(grep -o -- '--[a-z][a-z-]*' <<<"$help" | sort -u)

manual=$(man -l "$packaging/man/kv3318ctl.1" 2>/dev/null | col -b 2>/dev/null ||
         sed 's/\\-/-/g' "$packaging/man/kv3318ctl.1")
for word in $commands $options; do
    grep -q -- "$word" <<<"$manual" || { echo "the manual page lacks $word" >&2; failed=1; }
done
for file in kv3318ctl.bash _kv3318ctl kv3318ctl.fish; do
    for command in $commands; do
        grep -qw -- "$command" "$packaging/completion/$file" ||
            { echo "$file lacks the command $command" >&2; failed=1; }
    done
    for option in $options; do
        # fish names a long option without its dashes.
        grep -q -- "${option}\\|-l ${option#--}\\b" "$packaging/completion/$file" ||
            { echo "$file lacks $option" >&2; failed=1; }
    done
done
exit $failed
