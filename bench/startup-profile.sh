#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Brimlet developers

# Where start-up goes, in instructions: runs brimlet and the minimal window
# under callgrind on a private Xvfb for a few seconds each and prints the
# instructions spent in each phase. Instructions, unlike seconds, do not
# depend on what else the machine is doing, so two runs of the same build
# agree. Needs valgrind and xvfb; builds into build-bench like
# scripts/bench-startup.sh.
#   bench/startup-profile.sh [SECONDS]   (default 8: how long each runs)
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-8}
# shellcheck source=bench/scratch-display.sh
source bench/scratch-display.sh brimlet minimal_window

# Each program runs until it is ended; callgrind writes its counts then.
for program in brimlet bench/minimal_window; do
    timeout -s TERM "$seconds" valgrind --tool=callgrind --callgrind-out-file="$scratch/$(basename "$program").out" \
        "$build/$program" >/dev/null 2>&1 || true
done

# The inclusive count of each phase's function, in millions of instructions.
phases=(
    "_dl_start|loading and relocating the libraries and the program"
    "QApplication::QApplication(int&, char\*\*, int)|the application object: the platform plugin, the X connection"
    "QFontDatabasePrivate::ensureFontDatabase()|fonts: reading fontconfig's configuration and font list"
    "QMainWindow::menuBar() const|the menu bar widget and its style"
    "CMainFrame::buildMenus()|the menus and their commands (the menu bar widget included)"
    "CMainFrame::buildStatusBar()|the status bar (the font list included, when it comes first)"
    "LockIndicators::LockIndicators(QWidget*)|the lock indicators and the keyboard's states"
    "TextAccessible::install()|the accessibility factories"
    "atspi_guard::install()|the accessibility bus guard"
    "QWidget::show()|showing the main window"
    "appIcon()|the icon (on the first idle pass)"
    "CBrimletApp::useProfileSettings()|the settings file and its lock (on the first idle pass)"
    "QCoreApplication::exec()|the event loop while running (the idle passes included)"
)
printf '%-66s %10s %10s\n' phase brimlet minimal
for program in brimlet minimal_window; do
    callgrind_annotate --inclusive=yes --threshold=100 "$scratch/$program.out" 2>/dev/null >"$scratch/$program.txt"
done
count() {
    awk -v f="$1" 'index($0, ":" f " [") { gsub(",", "", $1); printf "%.1f", $1 / 1e6; found = 1; exit }
                  END { if (!found) printf "-" }' "$2"
}
total() { awk '/PROGRAM TOTALS/ { gsub(",", "", $1); printf "%.1f", $1 / 1e6; exit }' "$1"; }
for phase in "${phases[@]}"; do
    function=${phase%%|*}
    printf '%-66s %10s %10s\n' "${phase#*|}" "$(count "${function//\\/}" "$scratch/brimlet.txt")" \
        "$(count "${function//\\/}" "$scratch/minimal_window.txt")"
done
printf '%-66s %10s %10s\n' "whole run" "$(total "$scratch/brimlet.txt")" "$(total "$scratch/minimal_window.txt")"
