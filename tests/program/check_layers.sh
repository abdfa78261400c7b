#!/bin/bash
# The core (src/core) and brimlet-tool (src/tool) use neither Qt nor the Qt
# layer (src/ui), so that they build, run and are tested without them.
set -euo pipefail
cd "$(dirname "$0")/../.."
found=$(grep -rnE '#include[[:space:]]*[<"](Q[A-Za-z]|q[a-z_]+\.h|ui/)' src/core src/tool || true)
if [ -n "$found" ]; then
    echo "the core and brimlet-tool must not use Qt or the Qt layer:"
    echo "$found"
    exit 1
fi
echo "layers: $(find src/core src/tool -name '*.cpp' -o -name '*.h' | wc -l) core and brimlet-tool files use no Qt"
