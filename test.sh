#!/usr/bin/env bash
# Sets up a new machine, builds, and runs every test: once in a plain build,
# then checks the Debian package made from it, then cross-builds the Windows
# programs and their installer and tests them under Wine, then runs the tests once more
# under AddressSanitizer and UndefinedBehaviorSanitizer (built with clang),
# together with a short run of every fuzz target.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
scripts/build.sh build
ctest --test-dir build --output-on-failure -j2
scripts/check-package.sh build
# The Windows programs, cross-built and tested under Wine; without a Qt for Windows
# they are reported as skipped at the end, with the reason.
windows_status=0
windows_log=$(mktemp)
scripts/test-windows.sh build build-windows | tee "$windows_log" || windows_status=${PIPESTATUS[0]}
windows_skipped=$(tail -n 1 "$windows_log")
rm -f "$windows_log"
case $windows_status in
    0) windows_skipped="" ;;
    77) ;;
    *) exit "$windows_status" ;;
esac
CC=clang CXX=clang++ scripts/build.sh build-sanitize -DKV3318_FUZZ=ON
ctest --test-dir build-sanitize --output-on-failure -j2
if [ -n "$windows_skipped" ]; then
    echo "Windows tests SKIPPED: $windows_skipped"
fi
