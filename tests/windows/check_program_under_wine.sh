#!/bin/bash
# SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The real placevalue.exe under Wine, on a private X display, with Wine unable to see any of the
# system's fonts (an empty fontconfig configuration), so that only the faces compiled into the
# program can draw: the splash screen comes first at its designed size, named by the program's
# name and with its magenta title drawn as on Linux; the menu follows about three seconds later; a
# click on its entry leads into the write exercise and its return label back; the exit label ends
# the process with status 0. Sizes and click points come from the design table.
# Usage: check_program_under_wine.sh PLACEVALUE_EXE LINUX_SPLASH_PNG DESIGN_JSON
set -euo pipefail
exe=$1
linux_splash=$2
design_json=$3

# shellcheck source=tests/windows/wine_session.sh
source "$(dirname "$0")/wine_session.sh"
if [ -z "${WINEPREFIX:-}" ]; then
    export WINEPREFIX=$scratch/wine
fi
[ -d "$WINEPREFIX" ] || wineboot -i > /dev/null 2>&1 || fail "cannot make a Wine prefix"

# The number of pixels of the title's magenta, RGB(255, 128, 255), in a picture, and the box
# they fill ("WxH+X+Y").
magenta_pixels() {
    convert "$1" -fill black +opaque '#ff80ff' -fill white -opaque '#ff80ff' -format '%[fx:mean*w*h]' info:
}
magenta_box() {
    convert "$1" -fill black +opaque '#ff80ff' -format '%@' info:
}

started=$(now_ms)
wine "$exe" > /dev/null 2> "$scratch/program.err" &
program_pid=$!

splash=$(await_window Form1 30000)
splash_at=$(now_ms)
title=$(xdotool getwindowname "$splash")
[ "$title" = "البلمزية" ] || fail "the splash window is named \"$title\", not the program's name"
# Wine maps a window before it is painted: wait until the title's colour is there.
deadline=$((splash_at + 2000))
while :; do
    xwd -silent -id "$splash" | convert xwd:- "$scratch/splash.png"
    windows_magenta=$(magenta_pixels "$scratch/splash.png")
    [ "${windows_magenta%.*}" -gt 0 ] || [ "$(now_ms)" -ge "$deadline" ] && break
    sleep 0.1
done
linux_magenta=$(magenta_pixels "$linux_splash")
windows_box=$(magenta_box "$scratch/splash.png")
linux_box=$(magenta_box "$linux_splash")
echo "splash after $((splash_at - started)) ms; title: $windows_magenta pixels in $windows_box" \
    "(Linux: $linux_magenta in $linux_box)"
# Windows smooths the letters' edges a little differently from FreeType (about a tenth more
# pixels of full magenta here), but the same faces put the same letters in the same places.
awk -v w="$windows_magenta" -v l="$linux_magenta" 'BEGIN {exit !(l > 0 && w >= 0.75 * l && w <= 1.25 * l)}' ||
    fail "the title is not drawn as on Linux: $windows_magenta magenta pixels against $linux_magenta"
awk -v w="$windows_box" -v l="$linux_box" 'BEGIN {
    split(w, a, /[x+]/); split(l, b, /[x+]/)
    for (i = 1; i <= 4; ++i) if (a[i] - b[i] > 4 || b[i] - a[i] > 4) exit 1 }' ||
    fail "the title stands elsewhere than on Linux: $windows_box against $linux_box"

menu=$(await_window Form4 10000)
menu_at=$(now_ms)
echo "menu after $((menu_at - splash_at)) ms of splash"
[ $((menu_at - splash_at)) -ge 2500 ] || fail "the menu came after $((menu_at - splash_at)) ms"

# Into the write exercise ("اكتب البلمزية") and back.
sleep 0.3
click_on "$menu" Form4 Form2
write=$(await_other_window "$menu" 10000)
sleep 0.3
click_on "$write" Form2 Form4 # the return label "العودة للواجهة"
[ "$(await_window Form4 10000)" = "$menu" ] || fail "the return label did not lead to the menu"

# The exit label ends the process with status 0.
sleep 0.3
click_on "$menu" Form4 end
await_end 10000
echo "PASS"
