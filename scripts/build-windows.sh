#!/usr/bin/env bash
# Cross-builds the Windows programs with mingw-w64, the tests that run under
# Wine, and the installer:
#   scripts/build-windows.sh [BUILD-DIR, default build-windows]
# against the Qt for Windows in ../shared/qt-windows (unpacked into the build
# folder once) or the one QT_WINDOWS_PREFIX names. Without either it says so in
# one line and exits with 77, which the test command reports as skipped.
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${1:-build-windows}
case $dir in /*) ;; *) dir=$PWD/$dir ;; esac
tarball=../shared/qt-windows/qt6.4.2-mingw-x86_64.tar.xz

qt=${QT_WINDOWS_PREFIX:-}
if [ -z "$qt" ] && [ -f "$tarball" ]; then
    qt=$dir/qt6.4.2-mingw-x86_64
    if [ ! -d "$qt" ]; then
        mkdir -p "$dir"
        tar xJf "$tarball" -C "$dir"
    fi
fi
if [ -n "${QT_WINDOWS_PREFIX:-}" ] && [ ! -f "$qt/lib/cmake/Qt6/Qt6Config.cmake" ]; then
    echo "no Qt for Windows: QT_WINDOWS_PREFIX=$qt holds no Qt 6.4.2 built with mingw-w64 for x86_64"
    exit 77
fi
if [ -z "$qt" ]; then
    echo "no Qt for Windows: needs $tarball or QT_WINDOWS_PREFIX naming Qt 6.4.2 built with mingw-w64 for x86_64"
    exit 77
fi

cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64-x86_64.cmake" \
    -DQT_WINDOWS_PREFIX="$qt" -DCMAKE_PREFIX_PATH="$qt" -DQT_HOST_PATH=/usr >/dev/null
# Only what is shipped or run under Wine: two cores are shared.
cmake --build "$dir" -j2 --target installer windows-tests
