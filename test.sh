#!/usr/bin/env bash
# Sets up a new machine, builds, and runs every test.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
scripts/build.sh build
ctest --test-dir build --output-on-failure -j2
