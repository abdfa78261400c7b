#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Brimlet developers

# The --each pipeline side by side with its floor, GNU units and an older
# brimlet-tool:
#   bench/pipeline-bench.sh [OLD [ROUNDS]]
# OLD is the program to compare with, a revision to build it from (default
# main; see scripts/old-tool.sh) or its path; ROUNDS (default 5) how many
# times each pair runs. Every figure is a ratio of CPU times (user and system,
# which a busy machine changes less than wall time) of two programs run one
# after the other on the same input, the median of the rounds' ratios:
#
# - Length (--each Input --press ft, 8 fields a row) on a million varied
#   values against bench/pipeline_floor, which only parses, multiplies seven
#   times and writes eight numbers (target: within 2x its time);
# - Length's rows per second against GNU units' values per second on the
#   same 100,000 values, converted as "VALUE ft" to m (target: 5x);
# - every tool's --each command of bench/each-commands.txt on 500,000 of the
#   values (integers from 1 to 3999 for the Roman numerals) against OLD, and
#   Length with --steps on 200,000 (target: 3x);
# - the peak memory of Length's --each at 1,000 and 10,000,000 lines (flat).
set -euo pipefail
cd "$(dirname "$0")/.."

old=${1:-main}
rounds=${2:-5}
command -v units >/dev/null || {
    echo "pipeline-bench: units is not installed" >&2
    exit 1
}
# shellcheck source=bench/bench-build.sh
source bench/bench-build.sh
bench_build brimlet-tool pipeline_floor run_probe
tool=$PWD/$build/brimlet-tool
floor=$PWD/$build/bench/pipeline_floor
probe=$PWD/$build/bench/run_probe

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
old_tool=$(scripts/old-tool.sh "$old" "$scratch/old")

# A million values, up to six decimals, 0.001 to 10,000 (as bench/tool-vs-units.sh makes them).
awk 'BEGIN { srand(5); for (i = 0; i < 1000000; ++i) printf "%.*f\n", int(rand() * 7), 0.001 + rand() * 10000 }' \
    >"$scratch/values.txt"
head -n 100000 "$scratch/values.txt" >"$scratch/values-100k.txt"
head -n 200000 "$scratch/values.txt" >"$scratch/values-200k.txt"
head -n 500000 "$scratch/values.txt" >"$scratch/values-500k.txt"
awk '{ print $1 " ft"; print "m" }' "$scratch/values-100k.txt" >"$scratch/units.txt"
awk 'BEGIN { for (i = 0; i < 500000; ++i) print i % 3999 + 1 }' >"$scratch/roman.txt"

cpu() { # input program [arg]... -> CPU seconds of one run
    "$probe" "$@" | awk '{ print $1 }'
}
median() {
    sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}
# Runs A (on input A) and B (on input B) in turn, ROUNDS times; prints the
# median CPU seconds of A and of B and the median of the rounds' ratios A / B.
pair() { # input-A input-B A-word... -- B-word...
    local input_a=$1 input_b=$2
    shift 2
    local a=() b=()
    while [[ $1 != -- ]]; do
        a+=("$1")
        shift
    done
    shift
    b=("$@")
    : >"$scratch/a"
    : >"$scratch/b"
    : >"$scratch/r"
    for _ in $(seq "$rounds"); do
        local ta tb
        ta=$(cpu "$input_a" "${a[@]}")
        tb=$(cpu "$input_b" "${b[@]}")
        echo "$ta" >>"$scratch/a"
        echo "$tb" >>"$scratch/b"
        awk -v a="$ta" -v b="$tb" 'BEGIN { print (b > 0 ? a / b : 0) }' >>"$scratch/r"
    done
    echo "$(median <"$scratch/a") $(median <"$scratch/b") $(median <"$scratch/r")"
}

length=(--tool Length --each Input --press ft)
echo "brimlet-tool's --each, $rounds rounds, medians of CPU time (user + system) and of paired ratios"
echo "against: $old_tool"
echo

values=$scratch/values.txt
read -r t f r < <(pair "$values" "$values" "$tool" "${length[@]}" -- "$floor")
awk -v t="$t" -v f="$f" -v r="$r" 'BEGIN {
    printf "floor:  Length, 1,000,000 values: brimlet-tool %.3f s, pipeline_floor %.3f s: %.2fx its time (target <= 2)\n",
           t, f, r }'

# units reads the same values as "VALUE ft" and "m" line pairs.
read -r u t r < <(pair "$scratch/units.txt" "$scratch/values-100k.txt" units -t -- "$tool" "${length[@]}")
awk -v t="$t" -v u="$u" -v r="$r" 'BEGIN {
    printf "units:  Length %.0f rows/s, GNU units %.0f values/s on the same 100,000 values: %.2fx (target >= 5)\n",
           100000 / t, 100000 / u, r }'

values=$scratch/values-200k.txt
read -r o n r < <(pair "$values" "$values" "$old_tool" "${length[@]}" --steps -- "$tool" "${length[@]}" --steps)
awk -v n="$n" -v o="$o" -v r="$r" 'BEGIN {
    printf "steps:  Length --steps, 200,000 values: %.0f rows/s, before %.0f rows/s: %.2fx (target >= 3)\n",
           200000 / n, 200000 / o, r }'

echo
echo "every tool's --each (bench/each-commands.txt), 500,000 lines: rows/s now, before, and how many times faster (target >= 3)"
while IFS= read -r command; do
    [[ -z $command || $command == \#* ]] && continue
    IFS='|' read -ra words <<<"$command"
    input=$scratch/values-500k.txt
    [[ ${words[0]} == Numbers ]] && input=$scratch/roman.txt
    read -r before now r < <(pair "$input" "$input" "$old_tool" --tool "${words[@]}" -- "$tool" --tool "${words[@]}")
    awk -v name="${words[0]}" -v b="$before" -v n="$now" -v r="$r" 'BEGIN {
        printf "  %-16s %10.0f %10.0f  %5.2fx\n", name, 500000 / n, 500000 / b, r }'
done <bench/each-commands.txt

echo
seq 1000 >"$scratch/small.txt"
seq 10000000 >"$scratch/large.txt"
small=$("$probe" "$scratch/small.txt" "$tool" "${length[@]}" | awk '{ print $3 }')
large=$("$probe" "$scratch/large.txt" "$tool" "${length[@]}" | awk '{ print $3 }')
awk -v s="$small" -v l="$large" 'BEGIN {
    printf "memory: Length --each, peak resident set: %.1f MiB at 1,000 lines, %.1f MiB at 10,000,000 lines\n",
           s / 1024, l / 1024 }'
