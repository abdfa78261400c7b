#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Brimlet developers

# Start-up of brimlet against a minimal Qt Widgets program (a main window with
# one menu), side by side under Xvfb: bench-startup.sh [RUNS] (default 15).
# Each run measures the time from the start until the first top-level window
# is mapped, and the peak resident set size until shortly after that
# (bench/startup_probe). The two programs take turns, so a slow phase of the
# machine hits both. Prints the median of each and brimlet's ratio to the
# minimal program; the target is within 5% in both.
set -euo pipefail
cd "$(dirname "$0")/.."

runs=${1:-15}
# shellcheck source=bench/scratch-display.sh
source bench/scratch-display.sh brimlet minimal_window startup_probe

probe=$build/bench/startup_probe
programs=(brimlet minimal_window)
paths=("$build/brimlet" "$build/bench/minimal_window")

# One unmeasured start of each fills the page cache and font caches.
for path in "${paths[@]}"; do
    "$probe" "$path" >/dev/null
done
for run in $(seq "$runs"); do
    for i in "${!programs[@]}"; do
        "$probe" "${paths[$i]}" >>"$scratch/${programs[$i]}.txt"
    done
done

median() {
    sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}
declare -A ms kib
for program in "${programs[@]}"; do
    ms[$program]=$(cut -d' ' -f1 "$scratch/$program.txt" | median)
    kib[$program]=$(cut -d' ' -f2 "$scratch/$program.txt" | median)
done

printf 'Start-up under Xvfb, median of %d runs each\n' "$runs"
printf '%-16s %14s %16s\n' program "shown (ms)" "peak RSS (MiB)"
for program in "${programs[@]}"; do
    awk -v p="$program" -v t="${ms[$program]}" -v k="${kib[$program]}" \
        'BEGIN { printf "%-16s %14.1f %16.1f\n", p, t, k / 1024 }'
done
awk -v a="${ms[brimlet]}" -v b="${ms[minimal_window]}" -v c="${kib[brimlet]}" -v d="${kib[minimal_window]}" \
    'BEGIN { printf "brimlet / minimal: time %.2f, peak RSS %.2f (target <= 1.05)\n", a / b, c / d }'
