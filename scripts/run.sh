#!/bin/bash
# Installs what is missing, builds build/brimlet and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake --build build --target brimlet -j"$(nproc)"
exec build/brimlet "$@"
