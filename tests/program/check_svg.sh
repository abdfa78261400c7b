#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Brimlet developers

# The command line writes a solver's picture as SVG without a display: a
# well-formed document whose curve lies on the equation, whose labels are the
# fields' texts and whose description says what it shows; odd numbers give a
# line of text instead of a picture.
set -euo pipefail
brimlet=$1
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
run() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$brimlet" "$@"; }

run --tool "quadratic formula" --set "Coefficient a=1" --set "Coefficient b=-3" --set "Coefficient c=2" \
    --press "Find  x-value(s)" --svg "$dir/roots.svg" >"$dir/fields.txt"
grep -qx $'First x-value\t2' "$dir/fields.txt"
run --tool "quadratic formula" --set "Coefficient a=1.#INF" --svg - >"$dir/infinite.svg"
run --tool "bend allowance" --set "Inside bend radius R=2" --set "Material thickness T=3" \
    --set "Angle of the bend A=90" --press "Calculate Bend Allowance" --svg - >"$dir/bend.svg"

python3 - "$dir" <<'PY'
import sys
import xml.etree.ElementTree as ET

ns = {"s": "http://www.w3.org/2000/svg"}
d = sys.argv[1]

roots = ET.parse(f"{d}/roots.svg").getroot()
desc = roots.find("s:desc", ns).text
assert desc == "Parabola opening upward; x-values 2 and 1; vertex at 1.5, -0.25", desc
texts = [t.text for t in roots.iter("{http://www.w3.org/2000/svg}text")]
for wanted in ("x = 2", "x = 1", "vertex (1.5, -0.25)"):
    assert wanted in texts, (wanted, texts)
curves = [p for p in roots.iter("{http://www.w3.org/2000/svg}polyline") if "data-points" in p.attrib]
assert len(curves) == 1, curves
points = [tuple(map(float, p.split(","))) for p in curves[0].attrib["data-points"].split()]
assert len(points) > 100
for x, y in points:
    assert abs(x * x - 3 * x + 2 - y) <= 1e-9 * (1 + abs(y)), (x, y)
assert min(x for x, _ in points) < 1 and max(x for x, _ in points) > 2

infinite = ET.parse(f"{d}/infinite.svg").getroot()
assert infinite.find("s:polyline", ns) is None
words = [t.text for t in infinite.iter("{http://www.w3.org/2000/svg}text")]
assert words == ["Coefficient a is 1.#INF, an infinite value: it cannot be drawn."], words

bend = ET.parse(f"{d}/bend.svg").getroot()
texts = [t.text for t in bend.iter("{http://www.w3.org/2000/svg}text")]
for wanted in ("BA 4.7124", "R 2", "T 3", "A 90\u00b0"):
    assert wanted in texts, (wanted, texts)
# Each shape carries its own paint, so renderers that read no CSS draw it too.
for doc in (roots, infinite, bend):
    for el in doc.iter():
        tag = el.tag.split("}")[1]
        if tag in ("rect", "polyline", "polygon", "circle", "text"):
            assert "fill" in el.attrib, (tag, el.attrib)
        if tag == "polyline":
            assert el.attrib["fill"] == "none" and el.attrib["stroke"].startswith("#"), el.attrib
print("svg: roots, an infinite coefficient and a bend checked")
PY
