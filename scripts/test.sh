#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Brimlet developers

# Installs what is missing, builds everything into build/ and runs every test;
# then the web edition's site (build-web/site), its tests in Chromium and
# eslint; then the same tests built with AddressSanitizer and
# UndefinedBehaviorSanitizer (build-asan/), then a short run of every fuzz target.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh test
cmake --build --preset default -j"$(nproc)"
ctest --preset default -j"$(nproc)"

if [ "${BRIMLET_SKIP_WEB:-0}" != 1 ]; then
    scripts/web.sh build
    (cd web && npx eslint --max-warnings 0 . && node --test tests/*.test.mjs)
fi

if [ "${BRIMLET_SKIP_SANITIZERS:-0}" != 1 ]; then
    cmake --preset asan >/dev/null
    cmake --build --preset asan -j"$(nproc)"
    ctest --preset asan -j"$(nproc)"
fi

if [ "${BRIMLET_SKIP_FUZZ:-0}" != 1 ]; then
    scripts/fuzz-short.sh
fi
