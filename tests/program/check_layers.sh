#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Brimlet developers

# The rooms of the program, counted from the tree:
# - every folder of src is a room of the list below, and each room of the
#   core and the Qt layer is the CMake target named after it (core/text is
#   brimlet_text, ui/shell is brimlet_ui_shell; a program's folder is the
#   program);
# - a room includes only rooms listed before it: dependencies run one way;
# - the core, the web edition's bindings and the command line (src/core,
#   src/web, src/brimlet-tool) use neither Qt nor the Qt layer (src/ui), so
#   that they build, run and are tested without them;
# - a folder of the Qt layer holds at most 12 source units (a .cpp with its .h);
# - no source file is longer than 400 lines.
set -euo pipefail
cd "$(dirname "$0")/../.."
failed=0

rooms=(core/text core/templates core/steps core/tool core/resources core/converters core/solvers core/reference
    core/calculators core/figures core/files core/commands core/command_line web brimlet-tool brimlet-words
    ui/modality ui/widgets ui/access ui/window ui/picture ui/steps ui/shell brimlet)

declare -A rank
for i in "${!rooms[@]}"; do
    rank[${rooms[$i]}]=$i
done

for dir in $(find src -mindepth 1 -type d -printf '%P\n' | sort); do
    case "$dir" in
    core | ui) continue ;;
    esac
    if [ -z "${rank[$dir]+x}" ]; then
        echo "src/$dir is no room of the list in $0"
        failed=1
    fi
done
for room in "${rooms[@]}"; do
    case "$room" in
    core/*) target="brimlet_core_room(${room#core/}" ;;
    ui/*) target="brimlet_ui_room(${room#ui/}" ;;
    web) target="add_executable(brimlet_web " ;;
    *) target="add_executable($room " ;;
    esac
    if ! grep -qF "$target" CMakeLists.txt cmake/*.cmake; then
        echo "src/$room has no CMake target named after it ($target...)"
        failed=1
    fi
done

found=$(grep -rnE '#include[[:space:]]*[<"](Q[A-Za-z]|q[a-z_]+\.h|ui/)' src/core src/web src/brimlet-tool || true)
if [ -n "$found" ]; then
    echo "the core, src/web and brimlet-tool must not use Qt or the Qt layer:"
    echo "$found"
    failed=1
fi

# Each include of another room is an edge "from to", allowed only downwards.
edges=$(grep -rE '^#include "(core|ui)/[a-z_]+/' src --include='*.cpp' --include='*.h' |
    sed -E 's|^src/(.*)/[^/:]*:#include "([a-z]+/[a-z_]+)/.*|\1 \2|' | awk '$1 != $2' | sort -u)
while read -r from to; do
    [ -n "$from" ] || continue
    if [ "${rank[$from]:-99}" -le "${rank[$to]:-99}" ]; then
        echo "src/$from includes src/$to, a room listed after it"
        failed=1
    fi
done <<<"$edges"

for dir in $(find src/ui -mindepth 1 -type d | sort); do
    units=$(find "$dir" -maxdepth 1 \( -name '*.cpp' -o -name '*.h' \) -printf '%f\n' | sed -E 's/\.(cpp|h)$//' |
        sort -u | wc -l)
    if [ "$units" -gt 12 ]; then
        echo "$dir holds $units source units, more than 12"
        failed=1
    fi
done

long=$(find src \( -name '*.cpp' -o -name '*.h' \) -exec wc -l {} + | awk '$2 != "total" && $1 > 400')
if [ -n "$long" ]; then
    echo "files over 400 lines:"
    echo "$long"
    failed=1
fi

[ "$failed" -eq 0 ] || exit 1
echo "layers: ${#rooms[@]} rooms; $(find src/core src/brimlet-tool -name '*.cpp' -o -name '*.h' | wc -l) core and" \
    "brimlet-tool files use no Qt; $(printf '%s\n' "$edges" | wc -l) links between rooms, all downwards"
