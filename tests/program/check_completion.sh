#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Brimlet developers

# Bash completion of both programs: each row is the words typed (the last one
# being completed, as the shell splits them) and the words offered, quoted as
# they are inserted. Exit status 77: bash-completion is not installed.
# Usage: check_completion.sh BRIMLET BRIMLET_TOOL
set -uo pipefail
brimlet=$1 tool=$2
[[ -f /usr/share/bash-completion/bash_completion ]] || { echo "skipped: bash-completion is not installed"; exit 77; }
source /usr/share/bash-completion/bash_completion
source "$(dirname "$0")/../../data/completion/brimlet.bash"

failures=0
expect() { # WORDS... -- OFFERED...
    local words=() offered
    while [[ $1 != -- ]]; do words+=("$1"); shift; done
    shift
    COMP_WORDS=("${words[@]}") COMP_CWORD=$((${#words[@]} - 1)) COMP_LINE="${words[*]}" COMP_POINT=${#COMP_LINE}
    COMPREPLY=()
    _brimlet
    offered=$(printf '%s\n' "${COMPREPLY[@]}" | sort)
    if [[ $offered != "$(printf '%s\n' "$@" | sort)" ]]; then
        echo "FAIL: '${words[*]:1}' offered: ${COMPREPLY[*]@Q}, not: ${*@Q}"
        failures=$((failures + 1))
    fi
}

for program in "$tool" "$brimlet"; do
    expect "$program" --js -- --json
    expect "$program" --tool length --he -- --header
    expect "$program" --tool quad -- 'Quadratic\ \ Formula'
    expect "$program" --tool "'quad" -- 'Quadratic  Formula'
    expect "$program" --tool s -- 'SI\ Prefixes' 'Solar\ System\ Planets\ Data' Speed
    expect "$program" --tool 'Quadratic\ \ Formula' --set coef -- 'Coefficient\ a=' 'Coefficient\ b=' 'Coefficient\ c='
    expect "$program" --tool '"pythagorean theorem"' --press f -- 'Find\ Hypothenuse' 'Find\ Side'
    expect "$program" --tool Length --press k -- km
    expect "$program" --tool length --fields Meters,fe -- Meters,Feet
    expect "$program" --tool 'advanced calculator' --press 'x^' -- 'x\^2' 'x\^3' 'x\^y'
    expect "$program" --tool temperature --each 'Input' -- Input
    expect "$program" --tool nonesuch --set '' --
done
# Called through a path with a space, escaped or quoted.
spaced=$(mktemp -d)
trap 'rm -rf "$spaced"' EXIT
mkdir "$spaced/my tools" && ln -s "$(realpath "$tool")" "$spaced/my tools/brimlet-tool"
expect "${spaced}/my\\ tools/brimlet-tool" --tool len -- Length
expect "'$spaced/my tools/brimlet-tool'" --tool len -- Length
expect "\"$spaced/my tools/brimlet-tool\"" --tool 'pythagorean\ theorem' --press 'find\ h' -- 'Find\ Hypothenuse'
if ((failures)); then
    exit 1
fi
echo "ok: completion"
