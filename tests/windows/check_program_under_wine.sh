#!/bin/bash
# SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The real placevalue.exe under Wine, on a private X display, with Wine unable to see any of the
# system's fonts (an empty fontconfig configuration), so that only the faces compiled into the
# program can draw: the splash screen (418x458) comes first, named by the program's name and with
# its magenta title drawn as on Linux; the menu (800x600) follows about three seconds later; a
# click leads into the write exercise and its return label back; the exit label ends the process
# with status 0.
# Usage: check_program_under_wine.sh PLACEVALUE_EXE LINUX_SPLASH_PNG
set -euo pipefail
exe=$1
linux_splash=$2

fail() {
    echo "FAIL: $*" >&2
    [ -s "${scratch:-/nonexistent}/program.err" ] && tail -n 20 "$scratch/program.err" >&2
    exit 1
}
now_ms() { date +%s%3N; }

for tool in wine Xvfb xdotool xwd convert; do
    command -v "$tool" > /dev/null || fail "$tool is missing (scripts/install-deps windows)"
done

scratch=$(mktemp -d)
cleanup() {
    [ -n "${program_pid:-}" ] && kill "$program_pid" 2> /dev/null
    [ -n "${xvfb_pid:-}" ] && kill "$xvfb_pid" 2> /dev/null
    wait 2> /dev/null
    rm -rf "$scratch"
}
trap cleanup EXIT

Xvfb -displayfd 5 -screen 0 1024x768x24 -nolisten tcp 5> "$scratch/display" 2> /dev/null &
xvfb_pid=$!
deadline=$(($(now_ms) + 15000))
until [ -s "$scratch/display" ]; do
    [ "$(now_ms)" -lt "$deadline" ] || fail "Xvfb gave no display within 15 s"
    sleep 0.05
done
export DISPLAY=:$(head -n 1 "$scratch/display")

# No system font for Wine (nor for anything it asks fontconfig).
printf '<?xml version="1.0"?>\n<fontconfig></fontconfig>\n' > "$scratch/fonts.conf"
export FONTCONFIG_FILE=$scratch/fonts.conf
export WINEDEBUG=-all
if [ -z "${WINEPREFIX:-}" ]; then
    export WINEPREFIX=$scratch/wine
fi
[ -d "$WINEPREFIX" ] || wineboot -i > /dev/null 2>&1 || fail "cannot make a Wine prefix"

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
# Clicks at a point given in the window's own pixels.
click_in() {
    local id=$1 x=$2 y=$3 left top
    eval "$(xdotool getwindowgeometry --shell "$id")"
    left=$X
    top=$Y
    xdotool mousemove $((left + x)) $((top + y)) click 1
}
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

splash=$(await_window 418x458 30000)
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

menu=$(await_window 800x600 10000)
menu_at=$(now_ms)
echo "menu after $((menu_at - splash_at)) ms of splash"
[ $((menu_at - splash_at)) -ge 2500 ] || fail "the menu came after $((menu_at - splash_at)) ms"

# Into the write exercise ("اكتب البلمزية", centre of its designed box) and back.
sleep 0.3
click_in "$menu" 580 354
deadline=$(($(now_ms) + 10000))
until write=$(program_windows) && [ "$(wc -l <<< "$write")" -eq 1 ] && [ "${write%% *}" != "$menu" ]; do
    [ "$(now_ms)" -lt "$deadline" ] || fail "the menu entry did not open the write exercise"
    sleep 0.05
done
write=${write%% *}
sleep 0.3
click_in "$write" 203 562 # the return label "العودة للواجهة"
[ "$(await_window 800x600 10000)" = "$menu" ] || fail "the return label did not lead to the menu"

# The exit label ends the process with status 0.
sleep 0.3
click_in "$menu" 56 574
deadline=$(($(now_ms) + 10000))
while kill -0 "$program_pid" 2> /dev/null; do
    [ "$(now_ms)" -lt "$deadline" ] || fail "the exit label did not end the program"
    sleep 0.05
done
status=0
wait "$program_pid" || status=$?
program_pid=
[ "$status" -eq 0 ] || fail "the program ended with status $status"
echo "PASS"
