#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Brimlet developers

# The same bytes as before: runs this brimlet-tool and an older one on the
# same command lines and the same input, and compares standard output,
# standard error and the exit status of every run, byte for byte.
#   scripts/same-bytes.sh [OLD [LINES [SEED]]]
# OLD is a revision to build the older program from (default main; see
# scripts/old-tool.sh) or the path of one. LINES (default 20000) is the size
# of the varied input, made with SEED (default 1; printed): numbers of every
# size and shape, texts that are no number or only start with one, tabs,
# quotes and carriage returns, bytes that are no UTF-8, lines too long for a
# field. Every tool runs its --each command of bench/each-commands.txt on it
# as rows, as JSON, with a header, and as worked steps (with and without
# JSON); every field of every tool takes the start of it with a press of each
# of the tool's first buttons; and a list of command lines covers the
# refusals, the one-shot runs and an input that cannot be read. Exits 1 when
# any run differs, naming it.
set -euo pipefail
cd "$(dirname "$0")/.."

old=${1:-main}
lines=${2:-20000}
seed=${3:-1}

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
old_tool=$(scripts/old-tool.sh "$old" "$scratch/old")
# shellcheck source=bench/bench-build.sh
source bench/bench-build.sh
bench_build brimlet-tool
new_tool=$PWD/$build/brimlet-tool
echo "same-bytes: $new_tool against $old_tool, $lines lines of seed $seed"

# The varied input, in the C locale so that awk writes bytes as they are.
LC_ALL=C awk -v lines="$lines" -v seed="$seed" 'BEGIN {
    srand(seed)
    n = split("|  |abc|12abc|1,5|0x1A|inf|nan|-|.|e5|1e|+3|-.5|.5|  12.5  |1.#INF|-1.#IND|1.#QNAN|" \
              "1e999|-1e-999|1e308|4.9e-324|2.2250738585072014e-308|-0|9999999999999999999999|" \
              "2147483648|-2147483649|1d3|2D-2|Fe|og|Mars|MCMXCIX|xiv|1/3|3,14|1 2|--5|++5|5e+|" \
              "0.1e-4|123456789012345678|0.000000000000000001|99999999999999.95|1E15|1e-5", odd, "|")
    for (i = 0; i < lines; ++i) {
        r = rand()
        if (r < 0.35) {
            line = sprintf("%.*f", int(rand() * 9), (rand() < 0.2 ? -1 : 1) * rand() * 10 ^ int(rand() * 16 - 6))
        } else if (r < 0.45) {
            line = sprintf("%d", int(rand() * 4200) - 100)
        } else if (r < 0.55) {
            line = sprintf("%.*e", int(rand() * 17), (rand() < 0.3 ? -1 : 1) * rand() * 10 ^ int(rand() * 600 - 300))
        } else if (r < 0.75) {
            line = odd[1 + int(rand() * n)]
        } else if (r < 0.80) {
            line = sprintf("%.17g", rand() * 1000)
        } else if (r < 0.85) {
            # Quotes, tabs, carriage returns and bytes that are no UTF-8.
            line = sprintf("%d%s%s", int(rand() * 100), substr("\t\"\r\377\303\251\360\237\230\200x", 1 + int(rand() * 10), 1 + int(rand() * 3)), rand() < 0.5 ? "\"q\"" : "")
        } else if (r < 0.87) {
            # Around the 399 characters a double field takes, and far beyond.
            len = rand() < 0.8 ? 396 + int(rand() * 8) : 5000 + int(rand() * 20000)
            line = ""
            while (length(line) < len) line = line "1234567890"
            line = substr(line, 1, len)
        } else {
            line = sprintf("%d.%d", int(rand() * 100000), int(rand() * 1000))
        }
        printf "%s\n", line
    }
    printf "last line without a line break"
}' >"$scratch/input.txt"
head -n 2000 "$scratch/input.txt" >"$scratch/short.txt"

runs=0
differing=0
# Runs both programs with the words and the input file, and compares.
compare() { # input word...
    local input=$1
    shift
    local status_old=0 status_new=0
    "$old_tool" "$@" <"$input" >"$scratch/old.out" 2>"$scratch/old.err" || status_old=$?
    "$new_tool" "$@" <"$input" >"$scratch/new.out" 2>"$scratch/new.err" || status_new=$?
    runs=$((runs + 1))
    if [[ $status_old != "$status_new" ]] || ! cmp -s "$scratch/old.out" "$scratch/new.out" ||
        ! cmp -s "$scratch/old.err" "$scratch/new.err"; then
        differing=$((differing + 1))
        printf 'differs: brimlet-tool%s <%s\n' "$(printf " '%s'" "$@")" "${input##*/}"
        echo "  status $status_old, now $status_new"
        cmp "$scratch/old.out" "$scratch/new.out" | sed 's/^/  out: /' || true
        cmp "$scratch/old.err" "$scratch/new.err" | sed 's/^/  err: /' || true
    fi
}

while IFS= read -r command; do
    [[ -z $command || $command == \#* ]] && continue
    IFS='|' read -ra words <<<"$command"
    tool=${words[0]}
    rest=("${words[@]:1}")
    for extra in "" "--json" "--header" "--steps" "--steps --json"; do
        read -ra more <<<"$extra"
        compare "$scratch/input.txt" --tool "$tool" "${rest[@]}" "${more[@]}"
    done
done <bench/each-commands.txt

# Every field of every tool, with a press of each of its first three buttons.
while IFS=$'\t' read -r tool _; do
    mapfile -t fields < <("$new_tool" --tool "$tool" --list | awk -F'\t' '$3 == "field" { print "#" $2 }')
    mapfile -t buttons < <("$new_tool" --tool "$tool" --list | awk -F'\t' '$3 != "field" { print "#" $2 }' | head -n 3)
    for field in "${fields[@]}"; do
        compare "$scratch/short.txt" --tool "$tool" --each "$field"
        for button in "${buttons[@]}"; do
            compare "$scratch/short.txt" --tool "$tool" --each "$field" --press "$button" --json
        done
    done
done < <("$new_tool" --tools)

# Refusals, one-shot runs and inputs that end badly.
short=$scratch/short.txt
compare "$short" --tools
compare "$short" --tools --json
compare "$short" --tool
compare "$short" --tool Trigonometry
compare "$short" --tool $'len\ngth\x1b[2J\xff\xc2\x9b\\'
compare "$short" --tool length --set Input=2 --press ft
compare "$short" --tool length --set 'Input=0😀' --press ft
compare "$short" --tool Length --set $'Input=1\t2\nFeet\t99\r' --press m
compare "$short" --tool Length --set Yards=1
compare "$short" --tool Length --press yd
compare "$short" --tool Length --set Input
compare "$short" --tool Length --press
compare "$short" --tool Length --frobnicate
compare "$short" --tool Length --list
compare "$short" --tool Weight --list --json
compare "$short" --tool Length --each Input --list
compare "$short" --tool Length --fields Meters
compare "$short" --tool Length --each Input --header --json
compare "$short" --tool Length --each Nope
compare "$short" --tool Length --each Input --fields Meters,Nope
compare "$short" --tool Length --each Input --fields Meters,Meters,Input --header --press km
compare "$short" --tool MyCalculator --press Rec
compare "$short" --tool MyCalculator --keys 12+3= --keys '*2=' --json
compare "$short" --tool 'basic calculator' --keys $'12+3\n' --json
compare "$short" --tool Quad --set 'Coefficient a=1' --set 'Coefficient b=-3' --press 'Find x-value(s)' --svg -
compare "$short" --tool Quad --svg - --svg -
compare "$short" --tool Length --svg -
compare "$short" --tool SimpleCalc --steps
compare "$short" --tool Length --steps --list
compare "$short" --tool Numbers --set 'Roman numeral="X" or 10' --press '>>'
compare "$short" --tool Numbers --each 'Roman numeral' --press '>>' --steps --json
compare "$short" --tool Pythegor --set 'Side 1=3' --set 'Side 2=4' --press 'Find Hypothenuse' --steps
compare "$short" --tool Bend --set 'Angle of the bend A=359.999' --press 'Calculate Bend Allowance' --steps --json
# Standard input a directory (it cannot be read), and an empty one.
compare / --tool Length --each Input
compare /dev/null --tool Length --each Input --press ft --header

echo "same-bytes: $runs runs, $differing differ"
[[ $differing -eq 0 ]]
