#!/bin/bash
# SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs the Debian package on this machine, has the installed worksheet maker write a sheet,
# starts the installed /usr/bin/placevalue on a virtual X display (Xvfb, the xcb platform), sees
# its splash screen (418x458) alone, then its menu (800x600) alone, ends it with SIGTERM (exit
# status 0), and removes the package again. The package is removed also when a step fails. Runs
# only as root with dpkg and apt-get; elsewhere, or when placevalue is installed already, it
# reports itself skipped (status 77).
# Usage: check_installed_program.sh DEB_DIR
set -euo pipefail
deb_dir=$1
# shellcheck source=tests/support/checks.sh
source "$(dirname "$0")/../support/checks.sh"

[ "$(id -u)" -eq 0 ] || skip "installing a package needs root"
if ! command -v dpkg > /dev/null || ! command -v apt-get > /dev/null; then
    skip "no dpkg and apt-get here"
fi
need "" Xvfb xwininfo

package_state() {
    dpkg-query --show --showformat='${db:Status-Status}' placevalue 2> /dev/null || true
}
state=$(package_state)
if [ -n "$state" ] && [ "$state" != not-installed ]; then
    skip "placevalue is on this machine already ($state); this check leaves it alone"
fi

shopt -s nullglob
debs=("$deb_dir"/placevalue_*.deb)
[ "${#debs[@]}" -eq 1 ] || fail "expected one placevalue .deb in $deb_dir, found ${#debs[@]}"
deb=$(readlink -f "${debs[0]}")

program_pid=
remove_after_failure() {
    if [ -n "$program_pid" ]; then
        kill -KILL "$program_pid" 2> /dev/null || true
        wait "$program_pid" 2> /dev/null || true
    fi
    local now
    now=$(package_state)
    if [ -n "$now" ] && [ "$now" != not-installed ]; then
        echo "removing the package after a failure"
        timeout 120 dpkg --purge placevalue > "$scratch/purge.log" 2>&1 || cat "$scratch/purge.log" >&2
    fi
}
at_exit remove_after_failure

# Install: apt-get resolves the dependencies the package declares.
if ! DEBIAN_FRONTEND=noninteractive timeout 300 apt-get install --yes --no-install-recommends \
    "$deb" > "$scratch/install.log" 2>&1; then
    cat "$scratch/install.log" >&2
    fail "apt-get install $deb failed"
fi
[ "$(package_state)" = installed ] || fail "placevalue is not installed after apt-get install"
[ "$(command -v placevalue)" = /usr/bin/placevalue ] || fail "placevalue is not /usr/bin/placevalue"
for path in /usr/share/applications/io.github.placevalue.PlaceValue.desktop \
    /usr/share/metainfo/io.github.placevalue.PlaceValue.metainfo.xml \
    /usr/share/icons/hicolor/scalable/apps/io.github.placevalue.PlaceValue.svg; do
    [ -f "$path" ] || fail "the installed package lacks $path"
done

# The worksheet maker runs from the package alone (its print support and faces come with it),
# with no display.
env -u DISPLAY -u WAYLAND_DISPLAY XDG_RUNTIME_DIR="$scratch" /usr/bin/placevalue-sheets \
    --activity write --questions 10 --seed 1 --answers --output "$scratch/sheet.pdf" ||
    fail "the installed placevalue-sheets did not write a sheet"
[ "$(head -c 5 "$scratch/sheet.pdf")" = "%PDF-" ] || fail "the installed worksheet maker wrote no PDF"

start_display
display=$DISPLAY

top_level_windows() {
    xwininfo -display "$display" -root -children | awk '$1 ~ /^0x/ {print $1}'
}
# The size of every viewable top-level window, sorted, on one line: "418x458 800x600 ". The
# list of windows is read again afterwards: a window made meanwhile (the menu is made when it
# is first shown) makes the sample void, and it is taken anew.
viewable_windows() {
    local before after sizes id
    while :; do
        before=$(top_level_windows)
        sizes=$(for id in $before; do
            xwininfo -display "$display" -id "$id" 2> /dev/null | awk '
                $1 == "Width:" {w = $2}
                $1 == "Height:" {h = $2}
                $1 == "Map" {m = $3}
                END {if (m == "IsViewable") print w "x" h}'
        done | sort | tr '\n' ' ')
        after=$(top_level_windows)
        if [ "$before" = "$after" ]; then
            echo "$sizes"
            return
        fi
    done
}

mkdir -m 0700 "$scratch/runtime" "$scratch/home"
started=$(now_ms)
env DISPLAY="$display" QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$scratch/runtime" \
    HOME="$scratch/home" /usr/bin/placevalue > "$scratch/program.out" 2> "$scratch/program.err" &
program_pid=$!

splash_at=
menu_at=
deadline=$((started + 20000))
while :; do
    windows=$(viewable_windows)
    t=$(now_ms)
    if ! kill -0 "$program_pid" 2> /dev/null; then
        cat "$scratch/program.err" >&2
        fail "the program ended by itself"
    fi
    if [ -z "$splash_at" ]; then
        case "$windows" in
        "") ;;
        "418x458 ") splash_at=$t ;;
        *) fail "the first windows shown are '$windows', not the splash screen alone" ;;
        esac
    elif [ -z "$menu_at" ]; then
        case "$windows" in
        "418x458 ") ;;
        *800x600*) menu_at=$t ;;
        *) fail "after the splash screen: '$windows'" ;;
        esac
    elif [ "$windows" = "800x600 " ]; then
        break
    fi
    if [ "$t" -ge "$deadline" ]; then
        fail "after 20 s: splash at ${splash_at:-never}, menu at ${menu_at:-never}, windows '$windows'"
    fi
    sleep 0.05
done
alone_at=$(now_ms)
# The splash screen stays for three seconds: the menu cannot come much sooner.
[ $((menu_at - splash_at)) -ge 1000 ] ||
    fail "the menu came $((menu_at - splash_at)) ms after the splash screen"

kill -TERM "$program_pid"
term_at=$(now_ms)
while kill -0 "$program_pid" 2> /dev/null; do
    [ $(($(now_ms) - term_at)) -lt 10000 ] || fail "the program did not end within 10 s of SIGTERM"
    sleep 0.05
done
status=0
wait "$program_pid" || status=$?
ended_at=$(now_ms)
program_pid=
[ "$status" -eq 0 ] || {
    cat "$scratch/program.err" >&2
    fail "the program's exit status after SIGTERM is $status"
}
if [ -s "$scratch/program.err" ]; then
    echo "the program's messages:"
    cat "$scratch/program.err"
fi

# Remove the package, and see it gone.
if ! DEBIAN_FRONTEND=noninteractive timeout 120 apt-get purge --yes placevalue \
    > "$scratch/purge.log" 2>&1; then
    cat "$scratch/purge.log" >&2
    fail "apt-get purge placevalue failed"
fi
[ ! -e /usr/bin/placevalue ] || fail "/usr/bin/placevalue is still there after the purge"
state=$(package_state)
[ -z "$state" ] || [ "$state" = not-installed ] || fail "placevalue is '$state' after the purge"

echo "splash screen shown $((splash_at - started)) ms after the start, the menu" \
    "$((menu_at - started)) ms, the menu alone $((alone_at - started)) ms;" \
    "exit status 0 $((ended_at - term_at)) ms after SIGTERM; package installed and removed"
