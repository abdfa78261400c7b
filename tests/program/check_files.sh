#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Brimlet developers

# Pictures written as the user meant: a stream is written into where it
# stands, what the shell refuses is refused with its reason and the file left
# as it was, and what the user had (links, owner, mode) stays. Each check runs
# in a folder of its own, as a normal user where it says "user:" (root's
# rights dropped), and no new file may be left behind.
# Usage: check_files.sh BRIMLET_TOOL
set -uo pipefail
BRIMLET_TOOL=$(realpath "$1")
export BRIMLET_TOOL
dir=$(mktemp -d)
trap 'chmod -R u+w "$dir"; rm -rf "$dir"' EXIT
chmod 755 "$dir"
failures=0 n=0
svg() { "$BRIMLET_TOOL" --tool 'pythagorean theorem' --set 'Side 1=3' --set 'Side 2=4' --press 'Find Hypothenuse' --svg "$@"; }
export -f svg
long=$(printf 'n%.0s' {1..255})

check() { # NAME SETUP RUN STATUS AFTER
    local here="$dir/$((++n))" status
    mkdir "$here" && chmod 777 "$here" && cd "$here" || exit 1
    eval "$2"
    if [[ $3 == user:* && $EUID == 0 ]]; then
        setpriv --reuid=nobody --regid=nogroup --clear-groups bash -c "${3#user:}" 2>err >/dev/null
    else
        bash -c "${3#user:}" 2>err >/dev/null
    fi
    status=$?
    if [[ $status != "$4" ]] || ! eval "$5" || [[ -n $(find . -name '.*.new') ]]; then
        echo "FAIL: $1: status $status, said: $(cat err)"
        failures=$((failures + 1))
    fi
}
has_svg() { [[ $(grep -c '</svg>' "$1") == 1 ]]; }

check "standard output appended to a log" 'printf "old log\n" >log' 'svg /dev/stdout >>log' 0 \
    '[[ $(head -1 log) == "old log" ]] && has_svg log && grep -q "^Hypothenuse.5" log'
check "a group's output" '' '{ echo header; svg /dev/stdout; echo footer; } >group' 0 \
    '[[ $(head -1 group) == header && $(tail -1 group) == footer ]] && has_svg group'
check "standard error" '' 'svg /dev/stderr 2>&1 >/dev/null | grep -q "</svg>"' 0 true
check "a descriptor opened for appending" 'echo old >f' 'svg /proc/self/fd/3 3>>f' 0 '[[ $(head -1 f) == old ]] && has_svg f'
check "a loop of two links" 'ln -s b a; ln -s a b' 'svg a' 1 '[[ -L a && -L b ]] && grep -q "symbolic links" err'
check "a link to itself" 'ln -s self self' 'svg self' 1 '[[ -L self ]] && grep -q "symbolic links" err'
check "a read-only file of the user's own" 'echo old >ro; chmod 444 ro; chown nobody ro 2>/dev/null' 'user:svg ro' 1 \
    '[[ $(cat ro) == old ]] && grep -q "Permission denied" err'
check "a file with another hard link" 'echo old >one; ln one two' 'svg one' 0 \
    'has_svg two && [[ $(stat -c %h one) == 2 ]]'
check "a 255-byte name" '' "svg $long" 0 "has_svg $long"
check "a 255-byte name that exists" "echo old >$long" "svg $long" 0 "has_svg $long"
check "a folder the user may not write in" 'mkdir shut; echo old >shut/f; chmod 666 shut/f; chmod 555 shut' \
    'user:svg shut/f' 0 'has_svg shut/f && [[ $(ls -A shut) == f ]]'
if [[ $EUID == 0 ]]; then
    check "root writing a user's file" 'echo old >theirs; chown nobody:nogroup theirs; chmod 640 theirs' \
        'svg theirs' 0 'has_svg theirs && [[ $(stat -c %U:%G:%a theirs) == nobody:nogroup:640 ]]'
fi
echo "files: $n checks, $failures failures"
[[ $failures == 0 ]]
