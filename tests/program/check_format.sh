#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Brimlet developers

# Every C++ source follows the project's .clang-format.
set -euo pipefail
cd "$(dirname "$0")/../.."
command -v clang-format >/dev/null || { echo "clang-format is not installed"; exit 77; }
mapfile -t files < <(find src tests fuzz bench -name '*.cpp' -o -name '*.h' | sort)
clang-format --dry-run -Werror "${files[@]}"
echo "format: ${#files[@]} files checked"
