#!/bin/bash
# Installs what building and running need, builds build/brimlet and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh run
cmake --build --preset default --target brimlet -j"$(nproc)"
exec build/brimlet "$@"
