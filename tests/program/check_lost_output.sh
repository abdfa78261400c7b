#!/bin/bash
# Output that cannot be written is an error: every command line that prints,
# with standard output on a full device, closed, or a pipe whose reader has
# gone, ends with status 1 and says so on standard error. So does a run whose
# input cannot be read: standard input closed, or a directory.
# check_lost_output.sh PROGRAM...
set -uo pipefail
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failures=0
big=$(head -c 100000 /dev/zero | tr '\0' 7)

expect_lost() {
    local how=$1 status
    shift
    case $how in
        full) "$@" >/dev/full 2>"$scratch/err"; status=$? ;;
        closed) "$@" >&- 2>"$scratch/err"; status=$? ;;
        input-closed) "$@" <&- >/dev/null 2>"$scratch/err"; status=$? ;;
        # Standard input a directory: every read of it fails.
        input-full) "$@" </ >/dev/null 2>"$scratch/err"; status=$? ;;
        # More than a pipe holds, so the writer meets the closed end.
        pipe) { "$@" 2>"$scratch/err"; echo $? >"$scratch/status"; } | true; status=$(cat "$scratch/status") ;;
    esac
    if [[ $status != 1 ]] || ! grep -q 'could not be \(written\|read\)' "$scratch/err"; then
        echo "FAIL ($how): $* gave status $status and: $(cat "$scratch/err")"
        failures=$((failures + 1))
    fi
}

for program in "$@"; do
    for how in full closed; do
        expect_lost "$how" "$program" --tool length --set Input=2 --press ft
        expect_lost "$how" "$program" --tool length --set Input=2 --press ft --json
        expect_lost "$how" "$program" --tool length --list
        expect_lost "$how" "$program" --tools
        expect_lost "$how" "$program" --help
        expect_lost "$how" "$program" --version
        expect_lost "input-$how" "$program" --tool length --each Input --press ft
    done
    expect_lost pipe "$program" --tool "advanced calculator" --set "Memory 1=$big" --set "Memory 2=$big"
done
echo "lost output: $failures failures"
[[ $failures == 0 ]]
