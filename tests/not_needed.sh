#!/bin/sh
# Fails when a program needs a shared library whose name matches PATTERN (an
# extended regular expression), or when its needed libraries cannot be read.
#   tests/not_needed.sh PATTERN PROGRAM...
set -eu
pattern=$1
shift
for program; do
    needed=$(readelf -d "$program" | sed -n 's/.*(NEEDED).*\[\(.*\)\]$/\1/p')
    if [ -z "$needed" ]; then
        echo "$program: no needed libraries could be read" >&2
        exit 1
    fi
    if echo "$needed" | grep -E "$pattern"; then
        echo "$program needs the libraries above" >&2
        exit 1
    fi
done
