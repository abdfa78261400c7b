#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Brimlet developers

# Runs PROGRAM [ARGUMENT]... as a client of a private Xvfb, which is gone when
# it ends; the status is the program's.
set -euo pipefail
scratch=$(mktemp -d)
trap 'kill "$xvfb" 2>/dev/null || true; wait "$xvfb" 2>/dev/null || true; rm -rf "$scratch"' EXIT
# Xvfb picks a free display number and writes it once it takes connections:
# reading it waits for that, or for its end.
mkfifo "$scratch/display"
Xvfb -displayfd 3 -screen 0 640x480x24 -nolisten tcp 3>"$scratch/display" >"$scratch/xvfb.log" 2>&1 &
xvfb=$!
read -r display <"$scratch/display" || { cat "$scratch/xvfb.log" >&2; exit 1; }
unset WAYLAND_DISPLAY
DISPLAY=:$display QT_QPA_PLATFORM=xcb "$@"
