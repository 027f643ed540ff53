# shellcheck shell=bash
# SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Sourced by bench/run-wine-startup and bench/run-wine-install: a private Xvfb, one Wine server
# kept up for all runs of WINEPREFIX (as on a PC where Windows is already running), and the
# time from the start of a program to its first mapped window. A run is timed from just before
# `wine` starts to the moment its first window is mapped, polled every 5 ms. (Under Wine a
# window is mapped just before it is painted, and Wine's drawing reaches the X server in ways the
# Damage extension of window_probe does not see whole.)
# The caller sources tests/support/checks.sh first and sets WINEPREFIX; the Wine server and the
# display end with the script.

export WINEDEBUG=-all WINEDLLOVERRIDES=winemenubuilder.exe=d

wine_timing_start() {
    : "${WINEPREFIX:?}"
    start_display
    wineboot -i > /dev/null 2>&1 || true
    wineserver -p 2> /dev/null || true
    at_exit 'wineserver -k 2> /dev/null'
}

# Milliseconds from the start of the program to its first mapped window.
time_to_window() {
    local exe=$1 class=$2 started pid
    started=$(now_ms)
    wine "$exe" > /dev/null 2>&1 &
    pid=$!
    until xdotool search --onlyvisible --classname "$class" > /dev/null 2>&1; do
        sleep 0.005
    done
    echo $(($(now_ms) - started))
    sleep 0.5
    kill "$pid" 2> /dev/null
    wait "$pid" 2> /dev/null || true
}

median() { sort -n | awk '{a[NR] = $1} END {print a[int((NR + 1) / 2)]}'; }
