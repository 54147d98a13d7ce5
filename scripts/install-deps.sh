#!/usr/bin/env bash
# Installs the Debian packages the build, the tests, the fuzz targets, the package
# checks and the Windows build under Wine need, only when some are missing, so a set-up machine starts at once.
set -euo pipefail

packages=(cmake ninja-build g++ pkg-config qt6-base-dev qt6-base-dev-tools qt6-serialport-dev
          qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
          libgl-dev fonts-dejavu-core clang libclang-rt-14-dev
          dpkg-dev file lintian appstream desktop-file-utils ser2net bash-completion
          g++-mingw-w64-x86-64-posix mingw-w64-tools wine nsis xvfb "$@")

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' \
        || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
