#!/bin/bash
# The layers of the program, counted from the tree:
# - the core (src/core) and brimlet-tool (src/tool) use neither Qt nor the Qt
#   layer (src/ui), so that they build, run and are tested without them;
# - the folders of src include each other one way only: no circle;
# - a folder of the Qt layer holds at most 12 source units (a .cpp with its .h);
# - no source file is longer than 400 lines.
set -euo pipefail
cd "$(dirname "$0")/../.."
failed=0

found=$(grep -rnE '#include[[:space:]]*[<"](Q[A-Za-z]|q[a-z_]+\.h|ui/)' src/core src/tool || true)
if [ -n "$found" ]; then
    echo "the core and brimlet-tool must not use Qt or the Qt layer:"
    echo "$found"
    failed=1
fi

# Each include of another folder of src is an edge "from to"; tsort finds any circle.
edges=$(grep -rE '^#include "(core|ui)/[a-z_]+/' src --include='*.cpp' --include='*.h' |
    sed -E 's|^src/([a-z]+/[a-z_]+)/[^:]*:#include "([a-z]+/[a-z_]+)/.*|\1 \2|' |
    awk '$1 != $2' | sort -u)
if loop=$(printf '%s\n' "$edges" | tsort 2>&1 >/dev/null) && [ -z "$loop" ]; then
    :
else
    echo "folders include each other in a circle:"
    echo "$loop"
    failed=1
fi

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
echo "layers: $(find src/core src/tool -name '*.cpp' -o -name '*.h' | wc -l) core and brimlet-tool files use no Qt;" \
    "$(printf '%s\n' "$edges" | wc -l) links between folders, none in a circle"
