#!/usr/bin/env bash
# Sets up a new machine, builds, and runs every test: once in a plain build,
# then checks the Debian package made from it, then runs the tests once more
# under AddressSanitizer and UndefinedBehaviorSanitizer (built with clang),
# together with a short run of every fuzz target.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
scripts/build.sh build
ctest --test-dir build --output-on-failure -j2
scripts/check-package.sh build
CC=clang CXX=clang++ scripts/build.sh build-sanitize -DKV3318_FUZZ=ON
ctest --test-dir build-sanitize --output-on-failure -j2
