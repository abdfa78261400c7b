#!/bin/bash
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
build=build-bench
if [[ ! -f $build/CMakeCache.txt ]]; then
    cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DBRIMLET_BENCH=ON -DBRIMLET_BUILD_TESTS=OFF
fi
cmake --build "$build" --target brimlet minimal_window startup_probe -j"$(nproc)"

scratch=$(mktemp -d)
# Xvfb picks a free display number and writes it out once it takes connections.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$scratch/display" >"$scratch/xvfb.log" 2>&1 &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null || true; wait "$xvfb" 2>/dev/null || true; rm -rf "$scratch"' EXIT
for _ in $(seq 200); do
    [[ -s $scratch/display ]] && break
    sleep 0.05
done
display=$(head -n1 "$scratch/display")
if [[ -z $display ]]; then
    echo "bench-startup: Xvfb did not start:" >&2
    cat "$scratch/xvfb.log" >&2
    exit 1
fi

export DISPLAY=:$display QT_QPA_PLATFORM=xcb
unset WAYLAND_DISPLAY SESSION_MANAGER
# brimlet writes its settings file at start-up; keep the user's own out of it.
export HOME=$scratch XDG_CONFIG_HOME=$scratch/config XDG_RUNTIME_DIR=$scratch/runtime
mkdir -p "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"

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
