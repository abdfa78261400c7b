#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Brimlet developers

# Prepares this machine (as root on Debian 12) and configures build/ with the
# default preset. "setup.sh run" is enough to build and run the program;
# "setup.sh test" (the default) adds what the tests need and configures them.
set -euo pipefail
cd "$(dirname "$0")/.."
mode=${1:-test}

# The packages above the [test] line of the list, and with "test" those below it too.
wanted_packages() {
    awk -v mode="$mode" '
        /^\[test\]$/ { testing = 1; next }
        /^[[:space:]]*(#|$)/ { next }
        !testing || mode == "test" { print $1 }' scripts/debian-packages.txt
}

# Installs the wanted packages that are missing, after one apt-get update.
install_missing_packages() {
    local package missing=()
    while read -r package; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$package")
        fi
    done < <(wanted_packages)
    if ((${#missing[@]})); then
        echo "Installing: ${missing[*]}"
        apt-get update
        DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
    fi
}

# A decimal-comma locale, so the tests can prove that number texts ignore the process locale.
generate_test_locale() {
    if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
        localedef -i de_DE -f UTF-8 de_DE.UTF-8 || echo "warning: could not generate de_DE.UTF-8" >&2
    fi
}

configure() {
    local tests=OFF
    [[ $mode == test ]] && tests=ON
    cmake --preset default -DBRIMLET_BUILD_TESTS=$tests >/dev/null
}

install_missing_packages
if [[ $mode == test ]]; then
    generate_test_locale
fi
configure
