#!/bin/sh
# SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The drill through AT-SPI, as a screen reader meets it (at_spi_tour.py), on a private X
# display with a private D-Bus session and its accessibility bus. With --orca, Orca listens too
# (with its debug log, which records each utterance, "SPEECH OUTPUT", whether or not a voice is
# there to speak it), the tour goes at a person's pace, and what Orca said is printed.
#   check_at_spi.sh [--orca] PROGRAM PRINT_DESIGN
set -eu
orca=
if [ "${1:-}" = --orca ]; then
    orca=1
    shift
fi
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$2" > "$work/design.json"
mkdir -m 700 "$work/runtime"
export HOME="$work" XDG_RUNTIME_DIR="$work/runtime" XDG_CONFIG_HOME="$work/config"
export LC_ALL=C.UTF-8 LANG=C.UTF-8 PYTHONDONTWRITEBYTECODE=1
status=0
# shellcheck disable=SC2016 # the inner shell expands them
xvfb-run -a -s "-screen 0 1024x768x24" dbus-run-session -- sh -c '
    /usr/libexec/at-spi-bus-launcher --launch-immediately &
    launcher=$!
    if [ -n "$5" ]; then
        orca --debug-file="$4/orca.log" > "$4/orca.out" 2>&1 &
        reader=$!
        export TOUR_AFTER=orca TOUR_PACE=1.5
    fi
    status=0
    /usr/bin/python3 "$1/at_spi_tour.py" "$2" "$3" || status=$?
    if [ -n "$5" ]; then
        kill "$reader" 2>/dev/null || true
        wait "$reader" || true # Orca writes the rest of its log as it ends
    fi
    kill "$launcher" 2>/dev/null || true
    exit "$status"' sh "$here" "$1" "$work/design.json" "$work" "$orca" > "$work/log" 2>&1 ||
    status=$?
if [ -z "$orca" ] || [ "$status" -ne 0 ]; then
    # The tour, without the D-Bus daemons' chatter.
    grep -v -e 'Failed to set fd limit' -e 'Activating service' -e 'Successfully activated' \
        -e 'SpiRegistry daemon' "$work/log" || true
else
    sed -n "s/^.* - SPEECH OUTPUT: '\(.*\)'{.*$/\1/p" "$work/orca.log"
fi
exit "$status"
