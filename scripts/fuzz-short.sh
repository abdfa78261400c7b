#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Brimlet developers

# The short fuzzing run of the test command: every fuzz target for
# FUZZ_SECONDS seconds (12 by default, about a minute in all). Exits non-zero
# on any crash, sanitizer report or mismatch.
set -euo pipefail
cd "$(dirname "$0")/.."
exec scripts/fuzz-long.sh "${FUZZ_SECONDS:-12}"
