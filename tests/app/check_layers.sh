#!/bin/bash
# The core (src/core) uses neither Qt nor the Qt layer (src/ui), so that it
# builds, runs and is tested without them.
set -euo pipefail
cd "$(dirname "$0")/../.."
found=$(grep -rnE '#include[[:space:]]*[<"](Q[A-Za-z]|q[a-z_]+\.h|ui/)' src/core || true)
if [ -n "$found" ]; then
    echo "the core must not use Qt or the Qt layer:"
    echo "$found"
    exit 1
fi
echo "layers: $(find src/core -name '*.cpp' -o -name '*.h' | wc -l) core files use no Qt"
