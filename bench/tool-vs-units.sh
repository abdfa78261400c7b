#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Brimlet developers

# brimlet-tool against GNU units (Debian package `units`), side by side with
# hyperfine: tool-vs-units.sh [ROUNDS] (default 10).
#
# One-shot: `brimlet-tool --tool length --set Input=2 --press ft` against
# `units -t '2 ft' m`, a start and one conversion each. Pipeline: 100,000
# values through `brimlet-tool --tool length --each Input --press ft --fields
# Meters` against `units -t` reading the same values as "VALUE ft" / "m" line
# pairs from standard input. Each round runs both commands of a comparison
# back to back, so a slow phase of the machine hits both; the ratio of their
# medians is taken per round and the median of those ratios reported.
# Targets: one-shot ratio <= 1.0, pipeline throughput >= 2x units'.
set -euo pipefail
cd "$(dirname "$0")/.."

rounds=${1:-10}
for program in hyperfine units; do
    command -v "$program" >/dev/null || { echo "tool-vs-units: $program is not installed" >&2; exit 1; }
done
# shellcheck source=bench/bench-build.sh
source bench/bench-build.sh
bench_build brimlet-tool
tool=$PWD/$build/brimlet-tool

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
# The same 100,000 values for both: up to six decimals, 0.001 to 10,000.
awk 'BEGIN { srand(5); for (i = 0; i < 100000; ++i) printf "%.*f\n", int(rand() * 7), 0.001 + rand() * 10000 }' \
    >"$scratch/values.txt"
awk '{ print $1 " ft"; print "m" }' "$scratch/values.txt" >"$scratch/units.txt"
# Both programs convert every value, to the same metres within the program's
# rounded foot (1/3.28 m, as its window has it): like is compared with like.
"$tool" --tool length --each Input --press ft --fields Meters <"$scratch/values.txt" >"$scratch/ours.txt"
units -t <"$scratch/units.txt" >"$scratch/theirs.txt"
paste "$scratch/ours.txt" "$scratch/theirs.txt" |
    awk '{ d = $1 / $2 - 1; if (d < 0) d = -d; if (d > 1e-3) bad++ }
         END { if (bad || NR != 100000) { print "tool-vs-units: " bad " of " NR " values differ" > "/dev/stderr"; exit 1 } }'

# hyperfine's CSV: command,mean,stddev,median,user,system,min,max
median_of() { # csv row (1 or 2)
    awk -F, -v row="$2" 'NR == row + 1 { print $4 }' "$1"
}
median() {
    sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

for round in $(seq "$rounds"); do
    hyperfine -N --style none --warmup 3 --runs 20 --export-csv "$scratch/one-$round.csv" \
        "$tool --tool length --set Input=2 --press ft" "units -t '2 ft' m" >/dev/null
    hyperfine --style none --warmup 1 --runs 3 --export-csv "$scratch/pipe-$round.csv" \
        "$tool --tool length --each Input --press ft --fields Meters <$scratch/values.txt >/dev/null" \
        "units -t <$scratch/units.txt >/dev/null" >/dev/null
    for kind in one pipe; do
        a=$(median_of "$scratch/$kind-$round.csv" 1)
        b=$(median_of "$scratch/$kind-$round.csv" 2)
        echo "$a" >>"$scratch/$kind-tool"
        echo "$b" >>"$scratch/$kind-units"
        awk -v a="$a" -v b="$b" 'BEGIN { print a / b }' >>"$scratch/$kind-ratio"
    done
done

printf 'brimlet-tool against GNU units, %d rounds (medians)\n' "$rounds"
for kind in one pipe; do
    t=$(median <"$scratch/$kind-tool")
    u=$(median <"$scratch/$kind-units")
    r=$(median <"$scratch/$kind-ratio")
    if [[ $kind == one ]]; then
        awk -v t="$t" -v u="$u" -v r="$r" 'BEGIN {
            printf "one-shot:  brimlet-tool %.2f ms, units %.2f ms, paired ratio %.2f (target <= 1.0)\n",
                t * 1000, u * 1000, r }'
    else
        awk -v t="$t" -v u="$u" -v r="$r" 'BEGIN {
            printf "pipeline:  brimlet-tool %.0f values/s (%.3f s), units %.0f values/s (%.3f s), " \
                   "throughput %.2fx units'"'"' (target >= 2)\n", 100000 / t, t, 100000 / u, u, 1 / r }'
    fi
done
