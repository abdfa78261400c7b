# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Brimlet developers

# Bash completion for brimlet-tool and `brimlet --tool`: options, tool names,
# and a chosen tool's field and button names. Every name comes from the
# program itself (--help, --tools and --tool TOOL --list), so a new tool or a
# renamed field is completed as soon as the program knows it.

# A word as the program receives it: the shell's quotes and backslashes removed.
_brimlet_unquote() {
    local word=$1 result='' quote='' char i
    for ((i = 0; i < ${#word}; i++)); do
        char=${word:i:1}
        if [[ $quote == "'" ]]; then
            [[ $char == "'" ]] && quote='' || result+=$char
        elif [[ $char == '\' && $((i + 1)) -lt ${#word} && ($quote != '"' || ${word:i+1:1} == [\"\\\$\`]) ]]; then
            result+=${word:i+1:1}
            ((i++))
        elif [[ $char == '"' ]]; then
            [[ $quote ]] && quote='' || quote='"'
        elif [[ $char == "'" && -z $quote ]]; then
            quote="'"
        else
            result+=$char
        fi
    done
    printf '%s' "$result"
}

# Offers the lines read from standard input that start with TYPED (ignoring
# case), each with BEFORE put in front and AFTER behind, quoted for the shell
# so that a name with spaces or '*' arrives as one word; inside a quote the
# user opened (the word being completed, cur, starts with it), readline closes it.
_brimlet_offer() { # TYPED BEFORE AFTER
    local typed=${1,,} name word
    COMPREPLY=()
    while IFS= read -r name; do
        [[ -n $name && ${name,,} == "$typed"* ]] || continue
        word=$2$name$3
        if [[ $cur != [\'\"]* ]]; then
            printf -v word '%q' "$word"
            word=${word//\\,/,} # a comma needs no quoting: --fields Meters,Feet
        fi
        COMPREPLY+=("$word")
    done
}

# The names of the chosen tool's controls of one kind (field, or button for
# push and unit buttons), from its --list.
_brimlet_controls() { # PROGRAM TOOL KIND
    "$1" --tool "$2" --list 2>/dev/null | awk -F '\t' -v kind="$3" '
        ($3 == kind || (kind == "button" && $3 ~ /button$/)) && !seen[$1]++ { print $1 }'
}

_brimlet() {
    local cur prev words cword
    _init_completion -n =: || return

    # The program as the shell will run it: a path with a space arrives
    # escaped or quoted.
    local program tool='' i
    program=$(_brimlet_unquote "${words[0]}")
    [[ $program == '~/'* ]] && program=$HOME/${program#'~/'}
    for ((i = 1; i < cword - 1; i++)); do
        [[ ${words[i]} == --tool ]] && tool=$(_brimlet_unquote "${words[i + 1]}")
    done
    local typed
    typed=$(_brimlet_unquote "$cur")

    # The names of a kind of control, with text put before or after each.
    local kind='' before='' after='' word=$typed
    case $prev in
        --tool)
            _brimlet_offer "$typed" '' '' < <("$program" --tools 2>/dev/null | cut -f3)
            return
            ;;
        --set) kind=field after='=' ;;
        --each) kind=field ;;
        --fields)
            # A comma-separated list: its last name is completed.
            kind=field word=${typed##*,}
            [[ $typed == *,* ]] && before=${typed%,*},
            ;;
        --press) kind=button ;;
        --svg)
            _filedir svg
            [[ - == "$cur"* ]] && COMPREPLY+=(-)
            return
            ;;
        --keys | --help | --version | --tools | -h | -v)
            return
            ;;
    esac
    if [[ -n $kind ]]; then
        _brimlet_offer "$word" "$before" "$after" < <(_brimlet_controls "$program" "$tool" "$kind")
        # More follows a field's '=' or a list's comma.
        [[ $prev == --set || $prev == --fields ]] && compopt -o nospace 2>/dev/null
        return
    fi

    if [[ $cur == -* || -n $tool || $program == *brimlet-tool ]]; then
        local options
        options=$("$program" --help 2>/dev/null | grep -oE -- '--[a-z]+' | sort -u)
        if [[ -n $tool ]]; then
            options=$(grep -vxE -- '--(help|version|tools|tool)' <<<"$options")
        fi
        COMPREPLY=($(compgen -W "$options" -- "$cur"))
        return
    fi
    # The desktop program takes one file as its document.
    _filedir
}
complete -F _brimlet brimlet brimlet-tool
