#!/bin/sh
# SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
# SPDX-License-Identifier: GPL-3.0-or-later
#
# What Orca says during the screen-reader tour (at_spi_tour.py): Orca runs in the tour's private
# D-Bus session with its debug log, which records each utterance ("SPEECH OUTPUT") whether or
# not a voice is there to speak it. Prints the utterances; fails if the tour fails.
#   orca_transcript.sh PROGRAM PRINT_DESIGN
set -eu
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
[ -z "${ORCA_LOG_COPY:-}" ] || trap 'cp "$work/orca.log" "$ORCA_LOG_COPY"; rm -rf "$work"' EXIT
"$2" > "$work/design.json"
mkdir -m 700 "$work/runtime"
export HOME="$work" XDG_RUNTIME_DIR="$work/runtime" XDG_CONFIG_HOME="$work/config"
export LC_ALL=C.UTF-8 LANG=C.UTF-8 PYTHONDONTWRITEBYTECODE=1
status=0
# shellcheck disable=SC2016 # the inner shell expands them
xvfb-run -a -s "-screen 0 1024x768x24" dbus-run-session -- sh -c '
    /usr/libexec/at-spi-bus-launcher --launch-immediately &
    launcher=$!
    orca --debug-file="$4/orca.log" > "$4/orca.out" 2>&1 &
    orca=$!
    status=0
    TOUR_AFTER=orca TOUR_PACE=1.5 /usr/bin/python3 "$1/at_spi_tour.py" "$2" "$3" || status=$?
    kill "$orca" 2>/dev/null || true
    wait "$orca" || true # Orca writes the rest of its log as it ends
    kill "$launcher" 2>/dev/null || true
    exit "$status"' sh "$here" "$1" "$work/design.json" "$work" > "$work/tour" 2>&1 || status=$?
if [ "$status" -ne 0 ]; then
    cat "$work/tour" >&2
    exit "$status"
fi
sed -n "s/^.* - SPEECH OUTPUT: '\(.*\)'{.*$/\1/p" "$work/orca.log"
