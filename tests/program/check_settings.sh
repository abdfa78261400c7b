#!/bin/bash
# Starts the program with an empty home folder and lists what it wrote there:
# the per-user settings file, and nothing else.
set -euo pipefail
program=$1
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT

# Starts the program and ends it once its start-up is over: when its main
# thread first sleeps waiting for events, the settings have been dealt with.
run_until_started() {
    env -u XDG_CONFIG_HOME -u XDG_CACHE_HOME -u XDG_DATA_HOME -u XDG_STATE_HOME \
        HOME="$home" XDG_RUNTIME_DIR="$home/.run" QT_QPA_PLATFORM=offscreen "$program" >/dev/null 2>&1 &
    local pid=$! waited=0
    until [[ $(cat "/proc/$pid/wchan" 2>/dev/null) == *poll* ]]; do
        kill -0 "$pid" 2>/dev/null || { echo "the program ended during start-up"; exit 1; }
        ((waited++ < 500)) || { echo "the program did not finish starting in 10 s"; kill "$pid"; exit 1; }
        sleep 0.02
    done
    kill "$pid"
    wait "$pid" || true
}

run_until_started

written=$(cd "$home" && find . -path ./.run -prune -o -type f -print | sort)
expected="./.config/Local AppWizard-Generated Applications/Brimlet 5.conf"
if [ "$written" != "$expected" ]; then
    echo "expected only: $expected"
    echo "written: $written"
    exit 1
fi
if ! grep -qx 'PreviewPages=0' "$home/$expected" || ! grep -qx '\[Settings\]' "$home/$expected"; then
    echo "settings file lacks [Settings] PreviewPages=0:"
    cat "$home/$expected"
    exit 1
fi

# A value already there is kept, not reset.
sed -i 's/PreviewPages=0/PreviewPages=3/' "$home/$expected"
run_until_started
grep -qx 'PreviewPages=3' "$home/$expected" || { echo "PreviewPages was overwritten"; exit 1; }

# Adding the key keeps the file's other lines, comments included, as they were.
printf '; the user'"'"'s note\n[Other]\nx=1\n' >"$home/$expected"
run_until_started
if [ "$(cat "$home/$expected")" != "$(printf '; the user'"'"'s note\n[Other]\nx=1\n\n[Settings]\nPreviewPages=0')" ]; then
    echo "the settings file was rewritten:"
    cat "$home/$expected"
    exit 1
fi

# Two instances started at once add the key once between them.
for round in 1 2 3 4 5 6 7 8; do
    rm -rf "${home:?}"/.config
    run_until_started & first=$!
    run_until_started & second=$!
    wait "$first" && wait "$second" || exit 1
    [ "$(grep -c PreviewPages "$home/$expected")" = 1 ] || { echo "two at once, round $round:"; cat "$home/$expected"; exit 1; }
done

# --help and --version answer without a display and write nothing.
rm -rf "${home:?}"/.config
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM HOME="$home" "$program" --version | grep -q '^brimlet 5\.'
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM HOME="$home" "$program" --help | grep -q '^Usage: brimlet'
[ -z "$(cd "$home" && find . -path ./.run -prune -o -type f -print)" ] || { echo "--help wrote files"; exit 1; }
if env -u DISPLAY HOME="$home" QT_QPA_PLATFORM=offscreen "$program" --bogus >/dev/null 2>&1; then
    echo "an unknown option was accepted"
    exit 1
fi
# Option errors are the user's to mend, and said before any want of a display.
for words in "--bogus" "-style fusion --bogus" "one two"; do
    status=0
    # shellcheck disable=SC2086
    said=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM HOME="$home" "$program" $words 2>&1 >/dev/null) ||
        status=$?
    if [ "$status" -ne 2 ] || [[ $said == *display* ]]; then
        echo "brimlet $words without a display: status $status, said: $said"
        exit 1
    fi
done

# A tool runs from the command line without a display, and writes nothing.
ran=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM HOME="$home" "$program" --tool length --set Input=2 \
    --press ft)
[[ $ran == *$'\nFeet\t2\n'* ]] || { echo "--tool without a display printed: $ran"; exit 1; }
[ -z "$(cd "$home" && find . -path ./.run -prune -o -type f -print)" ] || { echo "--tool wrote files"; exit 1; }

# Without a display: one line saying what is missing, status 1, nothing written.
status=0
said=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM HOME="$home" timeout 5 "$program" 2>&1 >/dev/null) ||
    status=$?
if [ "$status" -ne 1 ] || [ "$(wc -l <<<"$said")" -ne 1 ] || [[ $said != *DISPLAY*--help* ]]; then
    echo "without a display: status $status, said: $said"
    exit 1
fi
[ -z "$(cd "$home" && find . -path ./.run -prune -o -type f -print)" ] || { echo "no display, yet files"; exit 1; }

# A settings file that is a FIFO is left alone: the program says why, once,
# and starts instead of waiting for a writer.
mkdir -p "$(dirname "$home/$expected")"
mkfifo "$home/$expected"
exec 3< <(exec env -u XDG_CONFIG_HOME HOME="$home" XDG_RUNTIME_DIR="$home/.run" QT_QPA_PLATFORM=offscreen \
    timeout 10 "$program" 2>&1 >/dev/null)
starter=$!
said=""
while IFS= read -r -t 10 line <&3; do
    case $line in brimlet:*) said=$line && break ;; esac
done
kill "$starter" 2>/dev/null || true
exec 3<&-
if [[ $said != *"is not a regular file"* ]] || [ ! -p "$home/$expected" ]; then
    echo "a FIFO as the settings file: said: $said"
    exit 1
fi
echo "settings: only the settings file was written"
