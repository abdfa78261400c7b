#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Brimlet developers

# Builds the libFuzzer targets with clang into build-fuzz and runs each of them
# for a while: fuzz-long.sh [SECONDS_EACH] [TARGET...]. SECONDS_EACH defaults to
# 600; the targets default to all. Each target keeps its corpus in
# build-fuzz/corpus/TARGET, so later runs start where earlier ones stopped, and
# writes any failing input to build-fuzz/artifacts/. Exits non-zero when any
# target crashes, trips a sanitizer or finds a mismatch with its reference.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-600}
shift || true
build=build-fuzz
cmake --preset fuzz >/dev/null
targets=("$@")
if ((${#targets[@]} == 0)); then
    mapfile -t targets <"$build/fuzz/targets.txt"
fi
cmake --build "$build" --target "${targets[@]}" -j"$(nproc)"

# The readers must not follow the process locale: run them under a decimal comma.
if locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
    export LC_ALL=de_DE.UTF-8
fi
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

mkdir -p "$build/artifacts"
failed=()
summary=()
for target in "${targets[@]}"; do
    corpus=$build/corpus/$target
    log=$build/artifacts/$target.log
    mkdir -p "$corpus"
    options=(-max_total_time="$seconds" -timeout=10 -print_final_stats=1
             -artifact_prefix="$build/artifacts/$target-")
    if [[ -f fuzz/$target.dict ]]; then
        options+=(-dict="fuzz/$target.dict")
    fi
    echo "== $target: ${seconds}s"
    if "$build/fuzz/$target" "${options[@]}" "$corpus" >"$log" 2>&1; then
        status=ok
    else
        status=FAILED
        failed+=("$target")
        grep -E -A4 'MISMATCH|ERROR: |runtime error' "$log" | head -40 || true
        echo "   log: $log"
    fi
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
    summary+=("$(printf '%-20s %-7s %12s executions' "$target" "$status" "${runs:-?}")")
done

printf '%s\n' "${summary[@]}"
echo "fuzz: $((${#targets[@]} - ${#failed[@]})) passed, ${#failed[@]} failed"
((${#failed[@]} == 0))
