#!/usr/bin/env bash
# German is finished; English, which takes its texts from the sources, gives
# the singular and plural of each counted text, never "(s)".
#   tests/catalogs_are_finished.sh LRELEASE TRANSLATIONS
set -uo pipefail
lrelease=$1
translations=$2
failed=0
report() {
    "$lrelease" "$translations/kv3318_$1.ts" -qm /dev/null 2>&1
}
german=$(report de)
if ! grep -q ' finished and 0 unfinished)' <<<"$german" || grep -q 'Ignored' <<<"$german"; then
    echo "kv3318_de.ts has texts without a German one: $german" >&2
    failed=1
fi
counted=$(grep -c 'numerus="yes"' "$translations/kv3318_en.ts")
if ! grep -q "Generated $counted translation(s) ($counted finished and 0 unfinished)" <<<"$(report en)"; then
    echo "kv3318_en.ts lacks plural forms of its $counted counted texts: $(report en)" >&2
    failed=1
fi
if grep -nE '<numerusform>(.*\(s\).*)?</numerusform>' "$translations/kv3318_en.ts" >&2; then
    echo "kv3318_en.ts: plural forms above are empty or still say (s)" >&2
    failed=1
fi
exit $failed
