#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Brimlet developers

# Prepares this machine (as root on Debian 12) and configures build/ with the
# default preset. "setup.sh run" is enough to build and run the program;
# "setup.sh test" (the default) adds what the tests need, the web edition's
# included, and configures them. "setup.sh web" installs only what the web
# edition needs (scripts/web.sh) and configures nothing.
set -euo pipefail
cd "$(dirname "$0")/.."
mode=${1:-test}

# The packages of the list's first part for "run", those of its [web] part for
# "web", and all of them for "test".
wanted_packages() {
    awk -v mode="$mode" '
        /^\[[a-z]+\]$/ { part = substr($0, 2, length($0) - 2); next }
        /^[[:space:]]*(#|$)/ { next }
        mode == "test" || (mode == "run" && part == "") || (mode == "web" && part == "web") { print $1 }' \
        scripts/debian-packages.txt
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

# npm, where the machine's Node.js has none of its own, and the page's npm
# packages as package-lock.json pins them.
install_page_packages() {
    if ! command -v npm >/dev/null; then
        apt-get update
        DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends npm
    fi
    if ! cmp -s web/package-lock.json web/node_modules/.installed-lock.json 2>/dev/null; then
        (cd web && npm ci --no-audit --no-fund && cp package-lock.json node_modules/.installed-lock.json)
    fi
}

install_missing_packages
if [[ $mode == test ]]; then
    generate_test_locale
fi
if [[ $mode == test || $mode == web ]]; then
    install_page_packages
fi
if [[ $mode != web ]]; then
    configure
fi
