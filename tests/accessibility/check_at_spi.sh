#!/bin/sh
# SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The drill through AT-SPI, as a screen reader meets it (at_spi_tour.py), on a private X
# display with a private D-Bus session and its accessibility bus.
#   check_at_spi.sh PROGRAM PRINT_DESIGN
set -eu
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
    status=0
    /usr/bin/python3 "$1/at_spi_tour.py" "$2" "$3" || status=$?
    kill "$launcher" 2>/dev/null || true
    exit "$status"' sh "$here" "$1" "$work/design.json" > "$work/log" 2>&1 || status=$?
# Without the D-Bus daemons' chatter.
grep -v -e 'Failed to set fd limit' -e 'Activating service' -e 'Successfully activated' \
    -e 'SpiRegistry daemon' "$work/log" || true
exit "$status"
