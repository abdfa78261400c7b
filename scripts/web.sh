#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Brimlet developers

# The web edition: installs what is missing (Debian's emscripten among it),
# builds the site into build-web/site and serves it on
# http://127.0.0.1:${PORT:-8000}/. "web.sh build" only builds.
set -euo pipefail
cd "$(dirname "$0")/.."
mode=${1:-serve}

scripts/setup.sh web
cmake --preset web >/dev/null
cmake --build --preset web -j"$(nproc)"
echo "The site: $(pwd)/build-web/site"

if [[ $mode == serve ]]; then
    exec node web/serve.mjs build-web/site "${PORT:-8000}"
fi
