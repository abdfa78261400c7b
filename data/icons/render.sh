#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Brimlet developers

# Renders the committed PNG icons from their SVG sources, so that building the
# program needs no SVG renderer. Run it after changing an SVG; it needs
# rsvg-convert (Debian: librsvg2-bin).
set -eu
cd "$(dirname "$0")"
render() { # source size
    mkdir -p "hicolor/$2x$2/apps"
    rsvg-convert --width "$2" --height "$2" --output "hicolor/$2x$2/apps/brimlet.png" "$1"
}
# The smallest sizes have drawings of their own: the key glyphs and the digits
# of the full icon would blur into noise there.
render small/brimlet-16.svg 16
render small/brimlet-24.svg 22
render small/brimlet-24.svg 24
for size in 32 48 64 128 256; do
    render hicolor/scalable/apps/brimlet.svg "$size"
done
