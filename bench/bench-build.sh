# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Brimlet developers

# shellcheck shell=bash
# Sourced by the benchmarks and the checks that time or compare programs:
# their build folder ($BRIMLET_BENCH_BUILD, or build-bench), an optimised
# build with the benchmarks and without the tests, configured the first time.
# Sets build; bench_build TARGET... builds the targets in it.
build=${BRIMLET_BENCH_BUILD:-build-bench}
bench_build() {
    if [[ ! -f $build/CMakeCache.txt ]]; then
        cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBRIMLET_BENCH=ON \
            -DBRIMLET_BUILD_TESTS=OFF >/dev/null
    fi
    cmake --build "$build" --target "$@" >/dev/null
}
