#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Brimlet developers

# brimlet-tool as another revision has it, to compare this one with:
#   scripts/old-tool.sh OLD DIR
# OLD is a revision (main~3, a commit id, a branch), whose tree is exported
# into DIR and built there (brimlet-tool alone, without tests), or the path
# of a brimlet-tool already built, which is used as it is. Prints the path of
# the program. Building takes a few minutes on two cores; scripts that call
# this make DIR a temporary directory and remove it.
set -euo pipefail
cd "$(dirname "$0")/.."

if [[ $# -ne 2 ]]; then
    echo "usage: scripts/old-tool.sh REVISION|PROGRAM DIR" >&2
    exit 2
fi
old=$1
dir=$2
if [[ -f $old && -x $old ]]; then
    realpath "$old"
    exit 0
fi
if ! git rev-parse --quiet --verify "$old^{commit}" >/dev/null; then
    echo "old-tool: '$old' is neither a program nor a revision" >&2
    exit 2
fi
mkdir -p "$dir/source"
git archive "$old" | tar -x -C "$dir/source"
launcher=()
if command -v ccache >/dev/null; then
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
cmake -S "$dir/source" -B "$dir/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBRIMLET_BUILD_TESTS=OFF \
    "${launcher[@]}" >"$dir/configure.log" 2>&1 || {
    cat "$dir/configure.log" >&2
    exit 1
}
cmake --build "$dir/build" --target brimlet-tool >"$dir/build.log" 2>&1 || {
    tail -n 40 "$dir/build.log" >&2
    exit 1
}
echo "$dir/build/brimlet-tool"
