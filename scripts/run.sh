#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Brimlet developers

# Installs what building and running need, builds build/brimlet and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh run
cmake --build --preset default --target brimlet -j"$(nproc)"
exec build/brimlet "$@"
