#!/usr/bin/env bash
# Fails when the link, the settings model, the window or kv3318ctl include a
# header of one operating system, or ask which system they are built for
# (Q_OS_WIN, Q_OS_UNIX, ...), outside the files that hold that system's calls
# (*_posix.cpp, *_windows.cpp): every other file builds everywhere, and the
# build chooses the platform's files.
#   scripts/check-platform-headers.sh [SOURCE-DIR, default the tree's src]
set -euo pipefail
src=${1:-"$(dirname "$0")/../src"}
posix='unistd|poll|fcntl|termios|signal|csignal|pty|sys/[a-z_/]+'
windows='windows|winbase|winuser|dbt|setupapi|devguid|initguid|winsock2|ws2tcpip|io|conio|process'
found=$( (grep -n -E "^[[:space:]]*#[[:space:]]*include[[:space:]]*<(${posix}|${windows})(\.h)?>" \
              -r "$src/link" "$src/settings" "$src/app" "$src/cli" \
              --include='*.cpp' --include='*.h'
          grep -n -E "\bQ_OS_[A-Z0-9_]+" -r "$src/link" "$src/settings" "$src/app" "$src/cli" \
              --include='*.cpp' --include='*.h') |
        grep -v -E '_(posix|windows)\.cpp:' || true)
if [ -n "$found" ]; then
    echo "Platform headers or checks outside the platform files:" >&2
    echo "$found" >&2
    exit 1
fi
echo "No platform header or check outside the platform files"
