#!/usr/bin/env bash
# The Windows part of the test command. Cross-builds with scripts/build-windows.sh,
# then, under Wine without a display, in one private Wine prefix made for this run:
#   - the test programs that need no pseudo-terminal;
#   - kv3318ctl.exe getting and putting a record through a COM port that the prefix
#     maps onto the virtual unit's pseudo-terminal (the unit is the Linux build's), the
#     history it keeps under %LOCALAPPDATA%, and ending a wave run on Ctrl+C with its
#     stop byte;
#   - kv3318-config.exe finding that unit, and the window receiving its settings;
#   - the install folder against packaging/windows/installed-files.txt, and the
#     installer: installed silently, kv3318ctl run from it and from a console's PATH,
#     uninstalled leaving nothing behind, and a PATH too long to extend left alone.
# WINDOWS_SCREENSHOT=FILE.png also takes the window's screenshot.
#   scripts/test-windows.sh [LINUX-BUILD-DIR, default build] [WINDOWS-BUILD-DIR, default build-windows]
# Exits with 77 and the reason on its last line when there is no Qt for Windows.
set -euo pipefail
cd "$(dirname "$0")/.."
absolute() { case $1 in /*) echo "$1" ;; *) echo "$PWD/$1" ;; esac; }
linux=$(absolute "${1:-build}")
dir=$(absolute "${2:-build-windows}")
started=$SECONDS
version=$(sed -n 's/^project(kv3318 VERSION \([0-9.]*\)$/\1/p' CMakeLists.txt)

fail() {
    echo "test-windows: $*" >&2
    exit 1
}

log=$(mktemp)
status=0
scripts/build-windows.sh "$dir" >"$log" 2>&1 || status=$?
if [ "$status" -ne 0 ]; then
    cat "$log"
    rm -f "$log"
    exit "$status"
fi
rm -f "$log"
echo "Windows build: $((SECONDS - started)) s"

# The shipped programs as installed, with what the tests add: the test library, the
# offscreen platform, and the Qt Serial Port that receives under Wine.
qt=${QT_WINDOWS_PREFIX:-$dir/qt6.4.2-mingw-x86_64}
stage=$dir/packaging/windows/stage
installed_list=packaging/windows/installed-files.txt
listing() { (cd "$1" && find . -type f | sed 's|^\./||' | LC_ALL=C sort); }
diff -u <(LC_ALL=C sort "$installed_list") <(listing "$stage") \
    || fail "the install folder differs from $installed_list (- missing, + not listed)"
bin=$dir/wine-test
rm -rf "$bin"
cp -r "$stage" "$bin"
cp "$qt/bin/Qt6Test.dll" "$bin/"
cp "$qt/plugins/platforms/qoffscreen.dll" "$bin/platforms/"
cp "$qt/wine/Qt6SerialPort.dll" "$bin/"
cp "$dir"/tests/tst_*.exe "$bin/"

export WINEPREFIX=$dir/wineprefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export WINEQT_QPA_PLATFORM=offscreen WINEQT_FORCE_STDERR_LOGGING=1
export WINEQT_QPA_FONTDIR='Z:\usr\share\wine\fonts'
unset DISPLAY WAYLAND_DISPLAY KV3318_PORTS
work=$(mktemp -d)
unit_pid=""
cleanup() {
    [ -n "$unit_pid" ] && kill "$unit_pid" 2>/dev/null && wait "$unit_pid" 2>/dev/null
    wineserver -k >/dev/null 2>&1 || true
    rm -rf "$work"
}
trap cleanup EXIT
# One server for the whole run, so that each program starts at once; its report of
# what it held when it is ended goes nowhere.
restart_wineserver() {
    wineserver -k >/dev/null 2>&1 || true
    wineserver -w >/dev/null 2>&1 || true
    wineserver -p >/dev/null 2>&1
}
rm -rf "$WINEPREFIX"
wineboot -i >/dev/null 2>&1
restart_wineserver
echo "Wine prefix: $((SECONDS - started)) s"

for test in "$bin"/tst_*.exe; do
    name=$(basename "$test" .exe)
    [ "$name" = tst_comport ] && continue
    (cd "$bin" && wine "$name.exe" -o "$work/$name.txt,txt" >/dev/null 2>&1) \
        || { cat "$work/$name.txt"; fail "$name failed under Wine"; }
    grep '^Totals' "$work/$name.txt" | sed "s/^/$name: /"
done

# The virtual unit on Linux, on COM9 in the prefix.
# Records of the firmware the unit reports by default, 1.0.10.2, with its two further fields.
record="1;100;80;0;0;50;50;30;30;38;10;1;1;26;0;90;5;0;125;0;111;111"
other="2;30;0;0;0;0;0;0;0;100;5;0;1;48;1;10;3;1;200;1;111;111"
"$linux/src/unit/kv3318-virtual-unit" --settings "$record" >"$work/unit.log" &
unit_pid=$!
for _ in $(seq 50); do
    [ -s "$work/unit.log" ] && break
    sleep 0.1
done
pty=$(head -n 1 "$work/unit.log")
[ -c "$pty" ] || fail "the virtual unit gave no pseudo-terminal"
wine reg add 'HKLM\Software\Wine\Ports' /v COM9 /d "$pty" /f >/dev/null 2>&1
# A port mapping takes effect with the next server.
restart_wineserver

ctl() { (cd "$bin" && wine kv3318ctl.exe --port COM9 "$@"); }
unit_saw() { grep -qxF "$1" "$work/unit.log"; }
# A console program's lines end as Windows text does.
[ "$(ctl get)" = "$record"$'\r' ] || fail "kv3318ctl.exe get did not give the unit's record"
printf '%s\r\n' "$other" >"$work/other.txt"
ctl put "$work/other.txt" >/dev/null || fail "kv3318ctl.exe put failed"
unit_saw "settings $other" || fail "the unit did not receive the record put"
[ "$(ctl get)" = "$other"$'\r' ] || fail "kv3318ctl.exe get after put did not give the record put"
echo "kv3318ctl.exe: get and put through COM9"
# What the unit held before the put is kept under %LOCALAPPDATA%, and history gives it back.
kept=$(cat "$WINEPREFIX"/drive_c/users/*/AppData/Local/kv3318/history/*.jsonl 2>/dev/null)
grep -qF "\"record\":\"$record\"" <<<"$kept" || fail "no history under %LOCALAPPDATA%: $kept"
[ "$(ctl history show 1)" = "$record"$'\r' ] || fail "kv3318ctl.exe history show 1"
echo "kv3318ctl.exe: the history kept under %LOCALAPPDATA%"
# The network module is found beside the program: a port where nothing listens is refused,
# which only the module can tell.
refused=$( (cd "$bin" && wine kv3318ctl.exe --port socket://127.0.0.1:1 get) 2>&1 || true)
grep -q '^kv3318ctl: socket://127.0.0.1:1: connection refused' <<<"$refused" \
    || fail "kv3318ctl.exe on a network port: $refused"
echo "kv3318ctl.exe: the network module loaded"

# The program itself, finding the unit among the ports the system lists.
(cd "$bin" && WINEQT_LOGGING_RULES='kv3318.link.debug=true' exec wine kv3318-config.exe \
    >"$work/config.log" 2>&1) &
config_pid=$!
for _ in $(seq 100); do
    grep -qs 'Detected on Port "COM9"' "$work/config.log" && break
    sleep 0.1
done
kill "$config_pid" 2>/dev/null || true
wait "$config_pid" 2>/dev/null || true
grep -q 'Detected on Port "COM9"' "$work/config.log" \
    || { cat "$work/config.log"; fail "kv3318-config.exe did not find the unit on COM9"; }
echo "kv3318-config.exe: found the unit on COM9"

(cd "$bin" && KV3318_TEST_PORT=COM9 KV3318_TEST_RECORD="$other" \
    wine tst_comport.exe -o "$work/tst_comport.txt,txt" >/dev/null 2>&1) \
    || { cat "$work/tst_comport.txt"; fail "tst_comport failed under Wine"; }
grep -q '0 skipped' "$work/tst_comport.txt" || fail "tst_comport was skipped"
grep '^Totals' "$work/tst_comport.txt" | sed 's/^/tst_comport: /'

# The screenshot, when asked for with WINDOWS_SCREENSHOT=FILE.png: the same window as
# Windows draws it, on Xvfb. Under Wine, Qt's GDI font engine leaves the text of line
# edits out and the Vista style draws no check marks, so FreeType and the classic
# Windows style stand in for them.
if [ -n "${WINDOWS_SCREENSHOT:-}" ]; then
    screenshot=Z:$(absolute "$WINDOWS_SCREENSHOT")
    (cd "$bin" && KV3318_TEST_PORT=COM9 KV3318_TEST_RECORD="$other" \
        KV3318_TEST_SCREENSHOT="$screenshot" WINEQT_QPA_PLATFORM= \
        xvfb-run -a -s "-screen 0 1280x1024x24" wine tst_comport.exe \
        -platform windows:fontengine=freetype -style windows \
        -o "$work/screenshot.txt,txt" >/dev/null 2>&1) \
        || { cat "$work/screenshot.txt"; fail "the screenshot could not be taken"; }
    echo "Screenshot: $WINDOWS_SCREENSHOT"
fi

# Ctrl+C during an adjustment run: Wine hands the signal to the console's handler.
# The run ends with its stop byte sent, and with 128 + SIGINT.
(cd "$bin" && exec wine kv3318ctl.exe --port COM9 wave >"$work/wave.txt" 2>&1) &
wave_pid=$!
for _ in $(seq 100); do
    [ -s "$work/wave.txt" ] && break
    sleep 0.1
done
kill -INT "$wave_pid" || { cat "$work/wave.txt"; fail "kv3318ctl.exe wave ended before Ctrl+C"; }
wave_status=0
wait "$wave_pid" || wave_status=$?
[ "$wave_status" -eq 130 ] || { cat "$work/wave.txt"; fail "kv3318ctl.exe wave ended with $wave_status on Ctrl+C"; }
[ "$(tail -n 1 "$work/unit.log")" = stop ] || fail "no stop byte after Ctrl+C"
echo "kv3318ctl.exe: Ctrl+C ends a run with its stop byte"
kill "$unit_pid"
wait "$unit_pid" 2>/dev/null || true
unit_pid=""
echo "Wine tests: $((SECONDS - started)) s"

# The installer, as a user's silent installation and removal.
installer=$dir/kv3318-config-$version-setup-x64.exe
program_dir="$WINEPREFIX/drive_c/Program Files/kv3318-config"
shortcut="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Korvalin 3318 configuration tool.lnk"
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\kv3318-config'
environment_key='HKLM\System\CurrentControlSet\Control\Session Manager\Environment'
wine "$installer" /S
diff -u <( (cat "$installed_list"; echo uninstall.exe) | LC_ALL=C sort) <(listing "$program_dir") \
    || fail "the installer put other files in place than $installed_list and the uninstaller"
[ -f "$shortcut" ] || fail "no Start menu entry"
said=$(wine 'C:\Program Files\kv3318-config\kv3318ctl.exe' --version 2>"$work/version.err")
[ "$said" = "kv3318ctl $version"$'\r' ] \
    || fail "the installed kv3318ctl.exe --version said: $said $(cat "$work/version.err")"
# A console started now has the program on its PATH.
restart_wineserver
[ "$(wine cmd /c 'kv3318ctl --version')" = "kv3318ctl $version"$'\r' ] \
    || fail "kv3318ctl is not on a console's PATH"
# The uninstaller runs on from a copy of itself and returns at once.
uninstall() {
    wine 'C:\Program Files\kv3318-config\uninstall.exe' /S
    for _ in $(seq 100); do
        [ ! -e "$program_dir" ] && ! wine reg query "$uninstall_key" >/dev/null 2>&1 && break
        sleep 0.3
    done
}
uninstall
[ ! -e "$program_dir" ] || fail "the uninstaller left: $(listing "$program_dir" | tr '\n' ' ')"
[ ! -e "$shortcut" ] || fail "the uninstaller left the Start menu entry"
! wine reg query "$uninstall_key" >/dev/null 2>&1 || fail "the uninstaller left its registry key"
! wine reg query "$environment_key" /v Path 2>/dev/null | grep -qi 'kv3318-config' \
    || fail "the uninstaller left the program on the PATH"
# A PATH that the installer's strings (1024 characters) cannot hold with the program's
# folder added, or cannot even read whole, is left exactly as it was.
path_now() { wine reg query "$environment_key" /v Path 2>/dev/null | grep -i 'REG_EXPAND_SZ' | tr -d '\r'; }
for folders in 69 120; do
    long_path="C:\windows\system32;C:\windows$(printf ';C:\Tools\%04d' $(seq "$folders"))"
    wine reg add "$environment_key" /v Path /t REG_EXPAND_SZ /d "$long_path" /f >/dev/null 2>&1
    before=$(path_now)
    wine "$installer" /S
    [ "$(path_now)" = "$before" ] || fail "the installer changed a PATH of ${#long_path} characters"
    uninstall
    [ "$(path_now)" = "$before" ] || fail "the uninstaller changed a PATH of ${#long_path} characters"
done
echo "Installer: installed, run and uninstalled; a long PATH left alone"
echo "Windows tests passed in $((SECONDS - started)) s"
