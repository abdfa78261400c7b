#!/bin/bash
# Installs what is missing (as root on Debian 12) and configures build/ with
# the default preset. "setup.sh run" is enough to build and run the program;
# "setup.sh test" (the default) adds what the tests need and configures them.
set -euo pipefail
cd "$(dirname "$0")/.."
mode=${1:-test}

# The packages above the [test] line, and with "test" those below it too.
mapfile -t packages < <(awk -v mode="$mode" '
    /^\[test\]$/ { testing = 1; next }
    /^[[:space:]]*(#|$)/ { next }
    !testing || mode == "test" { print $1 }' scripts/debian-packages.txt)
missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done
if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    apt-get update
    DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
fi

tests=OFF
if [[ $mode == test ]]; then
    tests=ON
    # A decimal-comma locale, so the tests can prove that number texts ignore the process locale.
    if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
        localedef -i de_DE -f UTF-8 de_DE.UTF-8 || echo "warning: could not generate de_DE.UTF-8" >&2
    fi
fi

cmake --preset default -DBRIMLET_BUILD_TESTS=$tests >/dev/null
