#!/bin/bash
# SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The installer package under Wine's msiexec, in a Wine prefix of the test's own, silently as
# IT staff run it: the install puts the files under Program Files\PlaceValue, the two Arabic
# Start-menu shortcuts and the Add/Remove Programs entry in place, and the installed program
# starts (splash, then menu); version 1.01 replaces 1.00 in place, and 1.00 does not replace
# 1.01; the removal leaves no file, shortcut or registry entry behind. The same with INSTALLDIR
# naming another folder. Every msiexec writes its log (/l*v).
# Usage: check_msi_under_wine.sh MSI BUILD_MSI PROGRAM_DIR ICON CHECK_PROGRAM LINUX_SPLASH
#   BUILD_MSI builds the 1.01 package from PROGRAM_DIR and ICON; CHECK_PROGRAM is
#   check_program_under_wine.sh, run on the installed program.
set -euo pipefail
msi=$(realpath "$1")
build_msi=$2
program_dir=$3
icon=$4
check_program=$5
linux_splash=$6
# shellcheck source=tests/support/checks.sh
source "$(dirname "$0")/../support/checks.sh"
need windows wine wineserver winepath msiinfo iconv

export WINEPREFIX=$scratch/wine WINEDEBUG=-all WINEDLLOVERRIDES=winemenubuilder.exe=d
at_exit 'wineserver -k 2> /dev/null'
wineboot -i > /dev/null 2>&1 || fail "cannot make a Wine prefix"

product_code() { msiinfo export "$1" Property | tr -d '\r' | awk -F '\t' '$1 == "ProductCode" {print $2}'; }
"$build_msi" 1.01 "$program_dir" "$icon" "$scratch/placevalue-1.01.msi"
msi_101=$scratch/placevalue-1.01.msi

# Runs msiexec with a log; prints nothing, returns msiexec's status.
runs=0
msiexec() {
    runs=$((runs + 1))
    log=$scratch/msiexec-$runs.log
    local status=0
    wine msiexec "$@" /l*v "$(winepath -w "$log")" > /dev/null 2>&1 || status=$?
    [ -s "$log" ] || fail "msiexec $* wrote no log"
    return "$status"
}
# A folder property as the log of the last msiexec run reports it, as a Linux path.
logged_folder() {
    local folder
    folder=$(tr -d '\r' < "$log" | sed -n "s/^Property(S): $1 = //p" | tail -n 1)
    [ -n "$folder" ] || fail "the log names no $1"
    winepath -u "$folder"
}
# Add/Remove Programs as regedit writes it, in UTF-8.
uninstall_key() {
    wine reg export 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' "$scratch/uninstall.reg" /y > /dev/null 2>&1 ||
        fail "cannot read the registry"
    iconv -f UTF-16 -t UTF-8 "$scratch/uninstall.reg" | tr -d '\r'
}
# Our entries in it, "DisplayName DisplayVersion" per line.
uninstall_entries() {
    uninstall_key | awk -F '"' '
        /^\[/ {if (name == "البلمزية") print name, version; name = ""; version = ""}
        $2 == "DisplayName" {name = $4} $2 == "DisplayVersion" {version = $4}
        END {if (name == "البلمزية") print name, version}'
}
shortcut_names=("البلمزية.lnk" "اوراق عمل البلمزية.lnk")

# The installed state: the files in the folder, the shortcuts in the Start menu pointing at
# them, one entry in Add/Remove Programs of the version.
expect_installed() {
    local folder=$1 version=$2 windows_folder menu file shortcut entry
    windows_folder=$(winepath -w "$folder")
    for file in placevalue.exe placevalue-sheets.exe README.txt licences/LICENCE.txt licences/COPYING.txt; do
        [ -s "$folder/$file" ] || fail "$windows_folder\\$file is not installed"
    done
    # Unpacked by Windows' own cabinet code (Wine's), as built.
    for file in placevalue.exe placevalue-sheets.exe; do
        cmp -s "$folder/$file" "$program_dir/$file" || fail "the installed $file differs from the built one"
    done
    # Wine resolves the Start menu to the installing user's; Windows to all users'.
    menu=$(logged_folder ProgramMenuFolder)
    for shortcut in "${shortcut_names[@]}"; do
        [ -s "$menu/$shortcut" ] || fail "no shortcut $shortcut in $menu"
    done
    grep -aqF "${windows_folder}placevalue.exe" "$menu/${shortcut_names[0]}" ||
        fail "the shortcut ${shortcut_names[0]} does not start ${windows_folder}placevalue.exe"
    grep -aqF "${windows_folder}placevalue-sheets.exe" "$menu/${shortcut_names[1]}" ||
        fail "the shortcut ${shortcut_names[1]} does not start ${windows_folder}placevalue-sheets.exe"
    entry=$(uninstall_entries)
    [ "$entry" = "البلمزية $version" ] || fail "Add/Remove Programs lists: \"$entry\", not البلمزية $version alone"
}
# Nothing left: no folder, no shortcut, no entry, no remembered folder.
expect_removed() {
    local folder=$1 menu shortcut
    [ ! -e "$folder" ] || fail "$folder is left: $(find "$folder" | head -n 5)"
    menu=$(logged_folder ProgramMenuFolder)
    for shortcut in "${shortcut_names[@]}"; do
        [ ! -e "$menu/$shortcut" ] || fail "the shortcut $shortcut is left in $menu"
    done
    [ -z "$(uninstall_entries)" ] || fail "Add/Remove Programs still lists: $(uninstall_entries)"
    ! wine reg query 'HKLM\Software\PlaceValue' > /dev/null 2>&1 || fail "HKLM\\Software\\PlaceValue is left"
    [ -z "$(find "$WINEPREFIX/drive_c/windows/Installer" -mindepth 1 -maxdepth 1 -type d)" ] ||
        fail "the installer's cache of the product is left"
}

program_files=$(winepath -u 'C:\Program Files\PlaceValue')

msiexec /i "$msi" /qn || fail "the silent install ended with status $?"
[ "$(logged_folder INSTALLDIR)" = "$program_files/" ] || fail "installed into $(logged_folder INSTALLDIR)"
expect_installed "$program_files/" 1.00
help_link=$(uninstall_key | sed -n 's/^"HelpLink"="\(.*\)"$/\1/p')
[ "$help_link" = 'C:\\Program Files\\PlaceValue\\README.txt' ] || fail "the help link is \"$help_link\""
[ -s "$WINEPREFIX/drive_c/windows/Installer/$(product_code "$msi")/placevalue.ico" ] ||
    fail "no icon for Add/Remove Programs"
echo "installed 1.00 into C:\\Program Files\\PlaceValue"

bash "$check_program" "$program_files/placevalue.exe" "$linux_splash" > "$scratch/program.out" 2>&1 ||
    fail "the installed program: $(cat "$scratch/program.out")"
echo "the installed program: $(tr '\n' ' ' < "$scratch/program.out")"

msiexec /i "$msi_101" /qn || fail "the upgrade to 1.01 ended with status $?"
expect_installed "$program_files/" 1.01
if msiexec /i "$msi" /qn; then fail "1.00 installed over 1.01"; fi
[ "$(uninstall_entries)" = "البلمزية 1.01" ] || fail "after the refused downgrade: $(uninstall_entries)"
msiexec /x "$(product_code "$msi_101")" /qn || fail "the silent removal ended with status $?"
expect_removed "$program_files"
echo "upgraded to 1.01 in place, refused 1.00 over it, removed"

custom='C:\Lab programs\Place Value'
custom_folder=$(winepath -u "$custom")
msiexec /i "$msi" /qn "INSTALLDIR=$custom" || fail "the install into $custom ended with status $?"
expect_installed "$custom_folder/" 1.00
[ ! -e "$program_files" ] || fail "INSTALLDIR=$custom installed into Program Files too"
msiexec /i "$msi_101" /qn || fail "the upgrade in $custom ended with status $?"
expect_installed "$custom_folder/" 1.01
msiexec /x "$msi_101" /qn || fail "the removal from $custom ended with status $?"
expect_removed "$custom_folder"
echo "installed into, upgraded in and removed from $custom"
echo "PASS"
