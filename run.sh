#!/usr/bin/env bash
# Sets up a new machine, builds, and starts the tool.
#   ./run.sh                  against the virtual unit, started here
#   ./run.sh /dev/ttyUSB0     against a real unit on that port (several ports may be named)
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
scripts/build.sh build

workdir=$(mktemp -d)
unit_pid=""
cleanup() {
    [ -n "$unit_pid" ] && kill "$unit_pid" 2>/dev/null && wait "$unit_pid" 2>/dev/null
    rm -rf "$workdir"
}
trap cleanup EXIT

if [ $# -gt 0 ]; then
    export KV3318_PORTS=$(IFS=:; echo "$*")
elif [ -z "${KV3318_PORTS+set}" ]; then
    build/src/unit/kv3318-virtual-unit >"$workdir/unit.log" &
    unit_pid=$!
    for _ in $(seq 50); do
        [ -s "$workdir/unit.log" ] && break
        sleep 0.1
    done
    export KV3318_PORTS=$(head -n 1 "$workdir/unit.log")
    echo "Virtual unit on $KV3318_PORTS (what it receives: $workdir/unit.log)"
fi

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "No display found: the tool runs offscreen; its debug output follows. Ctrl+C ends it."
    export QT_QPA_PLATFORM=offscreen
fi
build/src/kv3318-config
