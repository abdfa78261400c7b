#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Brimlet developers

# The catalogues hold every word of the program and nothing it no longer says:
# lupdate, run on copies over the Qt layer and the words listed from the core's
# tables, finds nothing new and nothing obsolete. The languages named after the
# words' file are complete: lrelease finds no unfinished translation in them.
# Usage: check_catalogues.sh LUPDATE LRELEASE WORDS_SOURCE [COMPLETE_LANGUAGE]...
set -euo pipefail
lupdate=$1 lrelease=$2 words=$3
shift 3
cd "$(dirname "$0")/../.."
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0
for catalogue in translations/brimlet_*.ts; do
    copy=$work/$(basename "$catalogue")
    cp "$catalogue" "$copy"
    report=$("$lupdate" -no-obsolete -locations none src/ui "$words" -ts "$copy" 2>&1)
    if ! grep -q '(0 new and' <<<"$report" || grep -q 'obsolete' <<<"$report" || ! cmp -s "$catalogue" "$copy"; then
        echo "$catalogue is not up to date with the sources (cmake --build --preset default --target update_translations):"
        echo "$report"
        diff "$catalogue" "$copy" | head -20 || true
        failed=1
    fi
done
for language in "$@"; do
    report=$("$lrelease" "translations/brimlet_$language.ts" -qm "$work/$language.qm" 2>&1)
    if ! grep -qE 'Generated [0-9]+ translation\(s\) \([0-9]+ finished and 0 unfinished\)' <<<"$report"; then
        echo "translations/brimlet_$language.ts is not complete:"
        echo "$report"
        failed=1
    fi
done
exit $failed
