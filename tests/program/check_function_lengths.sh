#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Brimlet developers

# No function of the figures is longer than 60 lines, its head and closing
# brace included: each figure is read, framed, drawn, annotated and described
# by functions of their own. The count reads the layout clang-format gives
# (format_check keeps it): a definition's head starts at its scope's
# indentation, and its closing brace stands alone at that indentation;
# lambdas count with the function they are in.
set -euo pipefail
cd "$(dirname "$0")/../.."
limit=60
lengths=$(awk '
    FNR == 1 { head = 0; open = 0 }
    open {
        if ($0 == indent "}") { print FNR - head + 1, FILENAME ":" head, name; open = 0; head = 0 }
        next
    }
    !head && /^ *[A-Za-z_~][A-Za-z0-9_:<>,*& ~]*(operator[^ (]*)?\(/ &&
        !/^ *(if|for|while|switch|return|else|do|case|catch|delete|new)[ (]/ {
        head = FNR; match($0, /^ */); indent = substr($0, 1, RLENGTH)
        name = $0; sub(/\(.*/, "", name); sub(/.* /, "", name)
    }
    head && /\{$/ { if (/= *\{$/) head = 0; else open = 1; next }
    head && !/[,(|&)]$/ && !/^ *\/\// { head = 0 }
' $(find src/core/figures -name '*.cpp' -o -name '*.h' | sort) | sort -rn)
long=$(awk -v limit=$limit '$1 > limit' <<<"$lengths")
if [ -n "$long" ]; then
    echo "functions over $limit lines (lines, where, name):"
    echo "$long"
    exit 1
fi
echo "function lengths: $(wc -l <<<"$lengths") functions in src/core/figures, the longest $(head -1 <<<"$lengths")"
