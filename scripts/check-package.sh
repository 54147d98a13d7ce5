#!/usr/bin/env bash
# Builds the Debian package from a build tree and checks it as Debian and a software centre
# would, then runs the programs from the unpacked package as an installed system runs them:
# without the build's libraries and without a display.
#   scripts/check-package.sh [BUILD-DIR, default build]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}

rm -f "$build"/kv3318-config_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
deb=$(echo "$build"/kv3318-config_*.deb)
version=$(dpkg-deb -f "$deb" Version)
echo "Checking $deb"

fail() {
    echo "check-package: $*" >&2
    exit 1
}

# lintian warns that it runs as root, which is how CI runs it.
lintian --fail-on error,warning "$deb" 2> >(grep -v 'root privileges' >&2)

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg -x "$deb" "$root"
appstreamcli validate --no-net "$root"/usr/share/metainfo/org.kv3318.Config.metainfo.xml
desktop-file-validate "$root"/usr/share/applications/org.kv3318.Config.desktop

# Everything that names the version has to agree with the build's.
[ "$(dpkg-parsechangelog -l packaging/changelog -S Version)" = "$version" ] \
    || fail "the newest changelog entry is not $version"
grep -q "<release version=\"$version\"" "$root"/usr/share/metainfo/org.kv3318.Config.metainfo.xml \
    || fail "the metainfo has no release $version"
dpkg-deb -f "$deb" Depends | grep -q libqt6serialport6 || fail "no dependencies were computed"
dpkg-deb -f "$deb" Recommends | grep -q qt6-translations-l10n \
    || fail "Qt's own German texts are not recommended"
# Only the network module needs Qt Network, and the package still has to bring it.
dpkg-deb -f "$deb" Depends | grep -q libqt6network6 || fail "no dependency on Qt Network"
for completion in bash-completion/completions/kv3318ctl zsh/vendor-completions/_kv3318ctl \
                  fish/vendor_completions.d/kv3318ctl.fish; do
    [ -f "$root/usr/share/$completion" ] || fail "no shell completion in /usr/share/$completion"
done
# The manual pages share one footer: the date and the source after the name and section.
[ "$(head -qn 1 packaging/man/*.1 | sed 's/^\.TH [^ ]* 1 //' | sort -u | wc -l)" -eq 1 ] \
    || fail "the manual pages' footers differ"

installed() {
    local program=$1
    shift
    env -u LD_LIBRARY_PATH -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM \
        "$root/usr/bin/$program" "$@"
}
[ "$(installed kv3318-config --version)" = "kv3318-config $version" ] \
    || fail "kv3318-config --version does not print $version"
[ "$(installed kv3318-virtual-unit --version)" = "kv3318-virtual-unit $version" ] \
    || fail "kv3318-virtual-unit --version does not print $version"
[ "$(installed kv3318ctl --version)" = "kv3318ctl $version" ] \
    || fail "kv3318ctl --version does not print $version"
installed kv3318-config --help | grep -q -- '--port <port>' || fail "kv3318-config --help"
installed kv3318ctl --help | grep -q -- 'Exit status' || fail "kv3318ctl --help"
installed kv3318-virtual-unit --help | grep -q -- '--firmware' || fail "kv3318-virtual-unit --help"

# The installed programs find their network module: a port where nothing listens is refused,
# which only the module can tell.
status=0
error=$(installed kv3318ctl --port socket://127.0.0.1:1 get 2>&1 >/dev/null) || status=$?
[ "$status" -eq 2 ] && grep -qx 'kv3318ctl: socket://127.0.0.1:1: connection refused' <<<"$error" \
    || fail "a network port from the installed kv3318ctl gave status $status and: $error"

# A mistake ends with one line and status 1; trying to open a window here, with no display,
# would end differently.
status=0
error=$(installed kv3318-config --no-such-option 2>&1 >/dev/null) || status=$?
[ "$status" -eq 1 ] && [ "$(wc -l <<<"$error")" -eq 1 ] \
    || fail "a bad option gave status $status and: $error"
echo "Package checks passed"
