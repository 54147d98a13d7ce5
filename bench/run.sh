#!/usr/bin/env bash
# Builds the benchmarks in release mode in their own tree and prints one
# table: bench/run.sh [build dir, default build-bench]
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh xvfb xauth
build=${1:-build-bench}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DKV3318_BENCH=ON >/dev/null
cmake --build "$build" -j2 --target kv3318-bench kv3318-bench-list kv3318-bench-network >/dev/null

# Every program the bench starts is given its candidate ports; this only
# guards against one that is not. What the programs keep between runs goes
# to folders of the bench's own.
export KV3318_PORTS=
bench_home=$(mktemp -d)
trap 'rm -rf "$bench_home"' EXIT
export XDG_CONFIG_HOME=$bench_home/config XDG_DATA_HOME=$bench_home/data
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
    mkdir -m 700 "$bench_home/runtime"
    export XDG_RUNTIME_DIR=$bench_home/runtime
fi
# A display of its own, the same for every program timed.
xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" "$build/bench/kv3318-bench"
"$build/bench/kv3318-bench-list"
xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" "$build/bench/kv3318-bench-network"
