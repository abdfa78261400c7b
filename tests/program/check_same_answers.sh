#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Brimlet developers

# brimlet-tool answers exactly as `brimlet --tool` does: the same standard
# output, standard error and status for every command line, input included.
# check_same_answers.sh BRIMLET BRIMLET_TOOL
set -uo pipefail
brimlet=$1 tool=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failures=0

same() { # input, then the command line's words
    local input=$1
    shift
    printf '%s' "$input" | "$brimlet" "$@" >"$scratch/out1" 2>"$scratch/err1"
    local status1=$?
    printf '%s' "$input" | "$tool" "$@" >"$scratch/out2" 2>"$scratch/err2"
    local status2=$?
    if [[ $status1 != "$status2" ]] || ! cmp -s "$scratch/out1" "$scratch/out2" ||
        ! cmp -s "$scratch/err1" "$scratch/err2"; then
        echo "FAIL: $* answers differently (status $status1 and $status2)"
        diff "$scratch/out1" "$scratch/out2" | head -5
        diff "$scratch/err1" "$scratch/err2" | head -5
        failures=$((failures + 1))
    fi
}

same "" --tools
same "" --tool length --set Input=2 --press ft
same "" --tool length --set Input=x --press ft --json
same "" --tool weight --list --json
same "" --tool 'basic calculator' --keys $'12+3\n'
same "" --tool nope
same "" --tool length --press yd
same $'2\nx\n3.5\n' --tool length --each Input --press ft --fields Meters,Feet --header
same $'1987\n4000\n' --tool numbers --each 'Arabic number' --press '<<' --json
echo "same answers: $failures failures"
[[ $failures == 0 ]]
