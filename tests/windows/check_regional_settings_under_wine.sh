#!/bin/bash
# SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The real placevalue.exe under Wine with the user's regional settings writing numbers with a
# decimal comma (sDecimal "," under HKCU\Control Panel\International, which Qt reads through
# GetLocaleInfo), in a Wine prefix of its own. On the write exercise the 27 place values, written
# with the comma ("0,1" to "0,009"), are typed one after another, each checked with the button:
# exactly one is judged right, and the same value written with "." is right as well. A click
# while the feedback shows checks the same question again and starts its three seconds afresh;
# the right verdict ("الاجابة صحيحة") is told from a wrong one, which names the right answer, by
# the width of the feedback's ink.
# Usage: check_regional_settings_under_wine.sh PLACEVALUE_EXE DESIGN_JSON
set -euo pipefail
exe=$1
design_json=$2

# shellcheck source=tests/windows/wine_session.sh
source "$(dirname "$0")/wine_session.sh"
export WINEPREFIX=$scratch/wine
wineboot -i > /dev/null 2>&1 || fail "cannot make a Wine prefix"
wine reg add 'HKCU\Control Panel\International' /v sDecimal /t REG_SZ /d , /f > /dev/null 2>&1 ||
    fail "cannot set the decimal symbol"

wine "$exe" > /dev/null 2> "$scratch/program.err" &
program_pid=$!
await_window Form1 30000 > /dev/null
menu=$(await_window Form4 10000)
sleep 0.3
click_on "$menu" Form4 Form2 # the write exercise
write=$(await_other_window "$menu" 10000)
sleep 0.5

# Across the window: the row of the number's whole part, and from the feedback's top down.
size=$(design size Form2)
number_box=$(design box Form2 Label4)
feedback_box=$(design box Form2 Label9)
read -r _ number_top _ number_height <<< "$number_box"
read -r _ feedback_top _ _ <<< "$feedback_box"
number_row=${size%x*}x$number_height+0+$number_top
feedback_rows=${size%x*}x$((${size#*x} - feedback_top))+0+$feedback_top

shot() { xwd -silent -id "$write" | convert xwd:- "$scratch/write.png"; }
# The row of the question (whole part and digits), as a checksum: it changes only with a tick.
question() { convert "$scratch/write.png" -crop "$number_row" +repage -format '%#' info:; }
# The width of the feedback's ink, RGB(128, 128, 255), below the answer box.
feedback_width() {
    local box
    box=$(convert "$scratch/write.png" -crop "$feedback_rows" +repage -fill black \
        +opaque '#8080ff' -format '%@' info:)
    echo "${box%%x*}"
}
# Types an answer into the box, replacing what it holds, and checks it with the button; prints
# "right" or "wrong".
check() {
    local width
    click_on "$write" Form2 Text1 # the answer box
    xdotool key ctrl+a
    xdotool type --delay 40 "$1"
    click_on "$write" Form2 answer # the button
    sleep "${2:-0.4}"
    shot
    width=$(feedback_width)
    if [ "$width" -gt 100 ] && [ "$width" -lt 450 ]; then
        echo right
    elif [ "$width" -ge 450 ]; then
        echo wrong
    else
        fail "no feedback after $1 (ink $width px wide)"
    fi
}

shot
asked=$(question)
values=()
for zeros in "" 0 00; do
    for digit in 1 2 3 4 5 6 7 8 9; do
        values+=("0,$zeros$digit")
    done
done
right=()
for value in "${values[@]}"; do
    [ "$(check "$value")" = right ] && right+=("$value")
    [ "$(question)" = "$asked" ] || fail "a new question came during the check (after $value)"
done
echo "right with the comma: ${right[*]:-none} (of ${#values[@]})"
[ "${#right[@]}" -eq 1 ] || fail "${#right[@]} of the values written with the comma were right"
# Once more, and with ".", waiting longer: the verdict is that value's own, not a late one.
[ "$(check "${right[0]}" 1)" = right ] || fail "${right[0]} was right once only"
[ "$(check "${right[0]/,/.}" 1)" = right ] || fail "${right[0]/,/.} is wrong where ${right[0]} is right"
[ "$(question)" = "$asked" ] || fail "a new question came during the check"

click_on "$write" Form2 end # the exit label
await_end 10000
echo "PASS"
