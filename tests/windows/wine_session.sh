# shellcheck shell=bash
# SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Sourced by the checks that run the real placevalue.exe under Wine: a private X display, Wine
# unable to see any of the system's fonts (an empty fontconfig configuration, so that only the
# faces compiled into the program can draw), and the program's windows found, awaited and
# clicked. The caller sets program_pid once it starts the program, whose standard error goes to
# $scratch/program.err (shown when a check fails).

# shellcheck source=tests/support/checks.sh
source "$(dirname "${BASH_SOURCE[0]}")/../support/checks.sh"
failure_log=$scratch/program.err
need windows wine Xvfb xdotool xwd convert
start_display
end_wine_session() {
    if [ -n "${program_pid:-}" ]; then
        kill "$program_pid" 2> /dev/null
        wait "$program_pid" 2> /dev/null
    fi
    # A Wine prefix of the check's own: its server, which writes the registry into it as it
    # ends, is gone before the prefix goes.
    if [ "${WINEPREFIX:-}" = "$scratch/wine" ]; then
        wineserver -k 2> /dev/null
        wineserver -w 2> /dev/null
    fi
}
at_exit end_wine_session

printf '<?xml version="1.0"?>\n<fontconfig></fontconfig>\n' > "$scratch/fonts.conf"
export FONTCONFIG_FILE=$scratch/fonts.conf
export WINEDEBUG=-all

# The visible windows of the program: "id widthxheight" per line.
program_windows() {
    local id
    for id in $(xdotool search --onlyvisible --classname 'placevalue.exe' 2> /dev/null); do
        xwininfo -id "$id" 2> /dev/null | awk -v id="$id" '
            $1 == "Width:" {w = $2} $1 == "Height:" {h = $2} $1 == "Map" {m = $3}
            END {if (m == "IsViewable") print id, w "x" h}'
    done
}
# Waits until the program shows exactly one window of this size; prints its id.
await_window() {
    local size=$1 limit=$2 windows
    deadline=$(($(now_ms) + limit))
    while :; do
        windows=$(program_windows)
        if [ "$(wc -l <<< "$windows")" -eq 1 ] && [ "${windows#* }" = "$size" ]; then
            echo "${windows%% *}"
            return
        fi
        kill -0 "$program_pid" 2> /dev/null || fail "the program ended early"
        [ "$(now_ms)" -lt "$deadline" ] || fail "no lone $size window within $limit ms: $windows"
        sleep 0.05
    done
}
# Waits until the program's one window is another than this one; prints its id.
await_other_window() {
    local old=$1 limit=$2 windows
    deadline=$(($(now_ms) + limit))
    until windows=$(program_windows) && [ "$(wc -l <<< "$windows")" -eq 1 ] &&
        [ "${windows%% *}" != "$old" ]; do
        [ "$(now_ms)" -lt "$deadline" ] || fail "no other window within $limit ms"
        sleep 0.05
    done
    echo "${windows%% *}"
}
# Clicks at a point given in the window's own pixels.
click_in() {
    local id=$1 x=$2 y=$3 left top
    eval "$(xdotool getwindowgeometry --shell "$id")"
    left=$X
    top=$Y
    xdotool mousemove $((left + x)) $((top + y)) click 1
}
# Waits until the program has ended, then checks its status.
await_end() {
    local status=0
    deadline=$(($(now_ms) + $1))
    while kill -0 "$program_pid" 2> /dev/null; do
        [ "$(now_ms)" -lt "$deadline" ] || fail "the program did not end"
        sleep 0.05
    done
    wait "$program_pid" || status=$?
    program_pid=
    [ "$status" -eq 0 ] || fail "the program ended with status $status"
}
