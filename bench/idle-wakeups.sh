#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Brimlet developers

# How often an idle program wakes: brimlet against a minimal Qt Widgets
# program, each left alone on a private Xvfb with a window manager (openbox),
# counting the context switches of all its threads (voluntary and not, from
# /proc). Brimlet is counted twice: with its main window alone, and with a
# tool window open and the focus in the field the window opened on, where a
# user who stops typing leaves it. Each is counted over the first SETTLE
# seconds after its window shows, and over the SECONDS after those, when
# nothing happens any more: the target there is the minimal program's count,
# 0. What the first count holds: the caret blinks until it rests, ten seconds
# after the last key or click; Qt's pixmap cache (the icon's sizes, the
# style's drawings) looks once for pixmaps to drop, thirty seconds after the
# first went in.
#   bench/idle-wakeups.sh [SECONDS [SETTLE]]   (default 20 and 35)
# Needs xvfb, openbox and xdotool; builds into build-bench like
# scripts/bench-startup.sh.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-20}
settle=${2:-35}
# shellcheck source=bench/scratch-display.sh
source bench/scratch-display.sh brimlet minimal_window

# The window manager gives the focus to new windows, as a desktop does; it
# runs its start-up command once it manages the screen.
openbox --sm-disable --startup "touch $scratch/wm-ready" >"$scratch/openbox.log" 2>&1 &
openbox=$!
for _ in $(seq 200); do
    [[ -e $scratch/wm-ready ]] && break
    sleep 0.05
done

switches() {
    cat /proc/"$1"/task/*/status 2>/dev/null |
        awk '/^(voluntary|nonvoluntary)_ctxt_switches/ { n += $2 } END { print n + 0 }'
}

# measure LABEL PID: the switches of PID while it settles, and after.
measure() {
    local start settled
    start=$(switches "$2")
    sleep "$settle"
    settled=$(switches "$2")
    sleep "$seconds"
    printf '%-44s %10d %10d\n' "$1" $((settled - start)) $(($(switches "$2") - settled))
}

start() {
    "$@" >>"$scratch/programs.log" 2>&1 &
    program=$!
}

stop() {
    kill "$program"
    wait "$program" 2>/dev/null || true
}

printf 'Context switches of an idle program under Xvfb + openbox\n'
printf '%-44s %10s %10s\n' program "first ${settle} s" "next ${seconds} s"

start "$build/bench/minimal_window"
xdotool search --sync --onlyvisible --name '^Minimal$' >/dev/null
measure "minimal Qt window" "$program"
stop

start "$build/brimlet"
xdotool search --sync --onlyvisible --name ' - Brimlet 5$' >/dev/null
measure "brimlet, main window" "$program"
# Conversions > Energy, from the keyboard: the tool window takes the focus,
# into its input field.
xdotool key alt+c Return
xdotool search --sync --onlyvisible --name '^Energy' >/dev/null
measure "brimlet, a tool window (focus in its field)" "$program"
stop

kill "$openbox" 2>/dev/null || true
wait "$openbox" 2>/dev/null || true
