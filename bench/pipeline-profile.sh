#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Brimlet developers

# Where a row of --each goes, in instructions: runs Length's pipeline
# (--each Input --press ft) under callgrind on LINES of the benchmark's varied
# values and prints the instructions per row of each part, counted
# inclusively (a part's count holds the parts within it). Instructions, unlike
# seconds, do not depend on what else the machine is doing. Given an older
# program (a revision or a path, as scripts/old-tool.sh takes them), prints
# its figures beside; a part that its code does not have as a function of
# its own shows "-".
#   bench/pipeline-profile.sh [LINES [OLD]]   (default 100000 lines)
set -euo pipefail
cd "$(dirname "$0")/.."

lines=${1:-100000}
old=${2:-}
command -v valgrind >/dev/null || {
    echo "pipeline-profile: valgrind is not installed" >&2
    exit 1
}
# shellcheck source=bench/bench-build.sh
source bench/bench-build.sh
bench_build brimlet-tool

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
programs=(now "$PWD/$build/brimlet-tool")
if [[ -n $old ]]; then
    programs+=(before "$(scripts/old-tool.sh "$old" "$scratch/old")")
fi
awk -v n="$lines" 'BEGIN { srand(5); for (i = 0; i < n; ++i) printf "%.*f\n", int(rand() * 7), 0.001 + rand() * 10000 }' \
    >"$scratch/values.txt"

for ((i = 0; i < ${#programs[@]}; i += 2)); do
    valgrind --tool=callgrind --callgrind-out-file="$scratch/${programs[i]}.out" "${programs[i + 1]}" \
        --tool Length --each Input --press ft <"$scratch/values.txt" >/dev/null 2>&1
    callgrind_annotate --inclusive=yes --threshold=100 "$scratch/${programs[i]}.out" 2>/dev/null \
        >"$scratch/${programs[i]}.txt"
done

# A part, and the functions that are it in this code or in older code (the
# first that the profile has is counted).
parts=(
    "the whole row|PROGRAM TOTALS"
    "reading the line|tool_runner::LineReader::next()"
    "a fresh tool|DialogTool<Length>::renew()|::make<Length>()"
    "clearing the fields for it|tool_runner::HeadlessHost::clear(unsigned long)"
    "the fresh tool with its opening write|tool_runner::HeadlessRun::restart(unsigned long)"
    "the press (read, compute, write)|Tool::handle(int)"
    "  reading all fields|Tool::readAllFields()"
    "    number texts read|numtext::scanDouble("
    "  computing the row|conversion::computeRow("
    "writing all fields (opening write and press)|Tool::writeAllFields()"
    "  number texts written|numtext::formatDouble(double, std::array<char,|numtext::formatDouble[abi:cxx11](double)"
    "  the host's texts set|tool_runner::(anonymous namespace)::assign(|tool_runner::HeadlessHost::setText("
    "writing the row|tool_runner::HeadlessRun::printRow("
    "  fields as tab-separated cells|field_table::writeCell(|field_table::appendCell(|field_table::row("
    "handing output to the system|DescriptorBuffer::overflow(int)"
)
count() { # patterns... (from a profile on standard input)
    awk -v n="$lines" -v patterns="$*" '
        BEGIN { k = split(patterns, want, "|") }
        {
            for (i = 1; i <= k; ++i) {
                if ((want[i] == "PROGRAM TOTALS" && /PROGRAM TOTALS/) ||
                    (want[i] != "PROGRAM TOTALS" && index($0, want[i]) && !found[i])) {
                    v = $1; gsub(",", "", v); found[i] = v
                }
            }
        }
        END {
            for (i = 1; i <= k; ++i) if (i in found) { printf "%.0f", found[i] / n; exit }
            printf "-"
        }'
}
printf '%-48s' "instructions per row ($lines rows)"
for ((i = 0; i < ${#programs[@]}; i += 2)); do
    printf ' %10s' "${programs[i]}"
done
echo
for part in "${parts[@]}"; do
    printf '%-48s' "${part%%|*}"
    for ((i = 0; i < ${#programs[@]}; i += 2)); do
        printf ' %10s' "$(count "${part#*|}" <"$scratch/${programs[i]}.txt")"
    done
    echo
done
