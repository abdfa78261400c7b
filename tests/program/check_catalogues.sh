#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Brimlet developers

# Each catalogue holds every word of the program and no other: lupdate, run on
# a copy, changes nothing. The languages named after WORDS_SOURCE are complete.
# Usage: check_catalogues.sh LUPDATE LRELEASE WORDS_SOURCE [COMPLETE_LANGUAGE]...
set -euo pipefail
lupdate=$1 lrelease=$2 words=$3 work=$(mktemp -d) failed=0 && shift 3 && trap 'rm -rf "$work"' EXIT
cd "$(dirname "$0")/../.."
for catalogue in translations/brimlet_*.ts; do
    cp "$catalogue" "$work/copy.ts"
    "$lupdate" -no-obsolete -locations none src/ui "$words" -ts "$work/copy.ts" >/dev/null 2>&1
    diff "$catalogue" "$work/copy.ts" || { echo "$catalogue: run the update_translations target"; failed=1; }
done
for language in "$@"; do
    # Read whole before it is looked at: grep -q would close the pipe early.
    report=$("$lrelease" "translations/brimlet_$language.ts" -qm "$work/$language.qm")
    [[ $report == *' and 0 unfinished'* ]] ||
        { echo "translations/brimlet_$language.ts has unfinished words: $report"; failed=1; }
done
exit $failed
