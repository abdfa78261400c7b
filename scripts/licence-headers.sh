#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Brimlet developers

# Every source file starts with its licence and copyright, two comment lines
# (after a "#!" or "#compdef" line). Source files are C++ (.cpp, .h, .h.in),
# JavaScript (.js, .mjs),
# shell scripts (.sh, .bash, zsh functions starting with #compdef, and scripts
# with a sh or bash "#!" line and no extension), CMake files (CMakeLists.txt,
# .cmake) and the man pages (data/*.1.in). Data (the desktop
# entry, the metainfo with its own metadata licence, icons, screen-reader
# steps, fuzz dictionaries, JSON, the Qt resource list) and documentation
# take none; debian/copyright covers everything.
#
# Usage: licence-headers.sh          adds the lines to each source file that lacks them
#        licence-headers.sh --check  lists those files instead (status 1 if any), and
#                                    checks that LICENSE is the GPL's text
set -euo pipefail
cd "$(dirname "$0")/.."

spdx='SPDX-License-Identifier: GPL-3.0-or-later'
copyright='Copyright (C) 2026 The Brimlet developers'

# The comment that starts a line of FILE's header, or nothing for a file
# that takes none.
comment_of() {
    [[ $1 == data/*.1.in ]] && echo '.\"' && return
    case ${1##*/} in
        *.cpp | *.h | *.h.in | *.js | *.mjs) echo '//' ;;
        *.sh | *.bash | CMakeLists.txt | *.cmake) echo '#' ;;
        *.*) ;;
        *) head -n 1 "$1" | grep -qE '^(#!/(usr/)?bin/(env )?(ba)?sh|#compdef )' && echo '#' ;;
    esac
    return 0
}

source_files() {
    if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
        git ls-files -co --exclude-standard
    else
        find . \( -path ./.git -o -path './build*' -o -path './obj-*' -o -path ./debian \) -prune \
            -o -type f -printf '%P\n'
    fi | grep -v '^debian/' | sort
}

# 1 when FILE's first line stays first ("#!", "#compdef", a man page's
# preprocessor line), else 0.
kept_lines() {
    if head -n 1 "$1" | grep -qE "^(#!|#compdef |'\\\\\")"; then echo 1; else echo 0; fi
}

# Whether the header is FILE's first two lines, after the line that stays first.
has_header() { # FILE COMMENT
    local skip
    skip=$(kept_lines "$1")
    [[ $(tail -n +$((skip + 1)) "$1" | head -n 2) == "$2 $spdx"$'\n'"$2 $copyright" ]]
}

add_header() { # FILE COMMENT
    local skip blank=$'\n' temporary
    skip=$(kept_lines "$1")
    # A blank line parts the header from what follows; in a man page it would be output.
    [[ $2 == '.\"' || -z $(sed -n "$((skip + 1))p" "$1") ]] && blank=''
    temporary=$(mktemp "$1.XXXXXX")
    {
        head -n "$skip" "$1"
        printf '%s %s\n%s %s\n%s' "$2" "$spdx" "$2" "$copyright" "$blank"
        tail -n +$((skip + 1)) "$1"
    } >"$temporary"
    chmod --reference="$1" "$temporary"
    mv "$temporary" "$1"
}

check=0
[[ ${1:-} == --check ]] && check=1
lacking=0
while read -r file; do
    [[ -f $file ]] || continue
    comment=$(comment_of "$file")
    [[ -n $comment ]] || continue
    has_header "$file" "$comment" && continue
    lacking=$((lacking + 1))
    if ((check)); then
        echo "no licence header: $file"
    else
        add_header "$file" "$comment"
        echo "added the licence header to $file"
    fi
done < <(source_files)

if ((check)); then
    if ! cmp -s <(head -n 3 LICENSE) <(printf '%s\n' '                    GNU GENERAL PUBLIC LICENSE' \
        '                       Version 3, 29 June 2007' ''); then
        echo "LICENSE is not the GNU General Public License, version 3"
        lacking=$((lacking + 1))
    fi
    ((lacking == 0)) || exit 1
    echo "licence headers: every source file has one"
fi
