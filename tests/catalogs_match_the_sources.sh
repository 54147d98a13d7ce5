#!/usr/bin/env bash
# The catalogs hold every text of the sources and nothing else: lupdate, run
# as the update_translations target runs it, leaves them as they are.
#   tests/catalogs_match_the_sources.sh LUPDATE SOURCES TRANSLATIONS
set -uo pipefail
lupdate=$1
sources=$2
translations=$3
copies=$(mktemp -d)
trap 'rm -rf "$copies"' EXIT
failed=0
for catalog in "$translations"/kv3318_*.ts; do
    copy=$copies/$(basename "$catalog")
    cp "$catalog" "$copy"
    "$lupdate" -silent -locations none -no-obsolete "$sources" -ts "$copy" 2>&1 | grep -v 'lacks Q_OBJECT' >&2
    if ! cmp -s "$catalog" "$copy"; then
        echo "$(basename "$catalog") is not up to date with the sources; run" \
             "cmake --build build --target update_translations:" >&2
        diff "$catalog" "$copy" | head -40 >&2
        failed=1
    fi
done
exit $failed
