#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Brimlet developers

# Every path of the tree that README.md and docs/*.md name exists: the ones
# written from the top of the tree (src/..., tests/..., but not a built
# build/data/...) and the targets of their links. A placeholder (<room>), a
# brace list ({svg,png}) or an ellipsis stands for any name, and a glob
# matches when some file does.
set -euo pipefail
cd "$(dirname "$0")/../.."
failed=0
count=0
name='(?:\{[^}\s]*\}|[^\s`()\[\]\x27",;:{])'  # what a path holds: a brace list may hold commas
for doc in README.md docs/*.md; do
    named=$(grep -oP "(?<![\\w./~-])(src|tests|docs|scripts|bench|data|cmake|translations|debian|fuzz|\\.ci)/$name*" \
        "$doc" || true)
    linked=$(grep -oP '\]\(\K[^)#\s]+' "$doc" | grep -vE '^[a-z]+:' | sed "s|^|$(dirname "$doc")/|" || true)
    for path in $named $linked; do
        path=${path%%#*}
        path=${path%.}
        count=$((count + 1))
        if ! compgen -G "$(sed -E 's/<[^>]*>/*/g; s/\{[^}]*\}/*/g; s/…/*/g' <<<"$path")" >/dev/null; then
            echo "$doc names $path, which does not exist"
            failed=1
        fi
    done
done
[ "$failed" -eq 0 ] || exit 1
echo "doc paths: all $count paths named in README.md and docs/*.md exist"
