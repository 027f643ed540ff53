# shellcheck shell=bash
# SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The opening the shell checks (tests/packaging, tests/windows) and the bench's scripts share,
# sourced right after `set -euo pipefail`: failing and skipping in CTest's words, the tools a
# script needs, a scratch folder ($scratch) removed when the script ends, the commands to run
# before that, and a private X display.

# Ends the check as failed, in one line; the last lines of $failure_log follow when it is set.
fail() {
    echo "FAIL: $*" >&2
    [ -s "${failure_log:-}" ] && tail -n 20 "$failure_log" >&2
    exit 1
}

# Ends the check as skipped (the tests' SKIP_RETURN_CODE).
skip() {
    echo "SKIP: $*"
    exit 77
}

now_ms() { date +%s%3N; }

# need GROUP TOOL...: fails on the first tool missing, naming the group of scripts/install-deps
# that installs it ("" for the default group).
need() {
    local group=$1 tool
    shift
    for tool in "$@"; do
        command -v "$tool" > /dev/null ||
            fail "$tool is missing (scripts/install-deps${group:+ $group} installs it)"
    done
}

# at_exit COMMAND: runs COMMAND when the script ends, the latest given first, then removes the
# scratch folder. A signal ends the script the same way.
exit_commands=()
at_exit() { exit_commands=("$1" "${exit_commands[@]}"); }
run_exit_commands() {
    local command
    for command in "${exit_commands[@]}"; do
        eval "$command" || true
    done
    rm -rf "$scratch"
}
scratch=$(mktemp -d)
trap run_exit_commands EXIT
trap 'exit 1' INT TERM HUP

# A private X server (1024x768, 24 bits, no TCP) on a display number it picks itself, named in
# DISPLAY; it is stopped when the script ends.
start_display() {
    local deadline
    Xvfb -displayfd 5 -screen 0 1024x768x24 -nolisten tcp 5> "$scratch/display" \
        2> "$scratch/xvfb.log" &
    xvfb_pid=$!
    # shellcheck disable=SC2016 # expanded when the script ends
    at_exit 'kill "$xvfb_pid" 2> /dev/null; wait "$xvfb_pid" 2> /dev/null'
    deadline=$(($(now_ms) + 15000))
    until [ -s "$scratch/display" ]; do
        kill -0 "$xvfb_pid" 2> /dev/null || {
            cat "$scratch/xvfb.log" >&2
            fail "Xvfb did not start"
        }
        [ "$(now_ms)" -lt "$deadline" ] || fail "Xvfb gave no display within 15 s"
        sleep 0.05
    done
    DISPLAY=:$(head -n 1 "$scratch/display")
    export DISPLAY
}
