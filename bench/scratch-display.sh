# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Brimlet developers

# Sourced by the start-up scripts: builds TARGETS... into the benchmarks'
# build folder (bench-build.sh), then starts a private Xvfb and a scratch home
# for the programs they run (brimlet writes its settings file at start-up; the
# user's own stays out of it). Sets build and scratch; the scratch home is
# gone when the script exits.
# shellcheck source=bench/bench-build.sh
source bench/bench-build.sh
bench_build "$@"

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
    echo "$(basename "$0"): Xvfb did not start:" >&2
    cat "$scratch/xvfb.log" >&2
    exit 1
fi

export DISPLAY=:$display QT_QPA_PLATFORM=xcb
unset WAYLAND_DISPLAY SESSION_MANAGER
export HOME=$scratch XDG_CONFIG_HOME=$scratch/config XDG_RUNTIME_DIR=$scratch/runtime
mkdir -p "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
