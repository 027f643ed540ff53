#!/bin/bash
# SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
# SPDX-License-Identifier: GPL-3.0-or-later
#
# A program (placevalue.exe, placevalue-sheets.exe) is one GUI-subsystem executable that needs no
# DLL beyond those Windows itself ships, and carries its version record (1.00) and its icon; with
# MAX_BYTES, it is no larger.
# Usage: check_executable.sh EXE VERSION [MAX_BYTES]
set -euo pipefail
exe=$1
version=$2
max_bytes=${3:-}
# shellcheck source=tests/support/checks.sh
source "$(dirname "$0")/../support/checks.sh"

headers=$(x86_64-w64-mingw32-objdump -p "$exe") || fail "objdump cannot read $exe"

grep -qE '^Subsystem\s+0+2\s+\(Windows GUI\)' <<< "$headers" ||
    fail "not a GUI-subsystem program: $(grep Subsystem <<< "$headers")"

# The DLLs every Windows 10 and 11 has; anything else would have to ship beside the program.
system_dlls='^(advapi32|authz|bcrypt|cfgmgr32|comdlg32|crypt32|d2d1|d3d11|d3d12|d3d9|dwmapi|dwrite|dxgi|dxva2|gdi32|imm32|kernel32|mpr|msvcrt|netapi32|ole32|oleaut32|setupapi|shcore|shell32|shlwapi|user32|userenv|uxtheme|version|winmm|winspool\.drv|ws2_32|wtsapi32|api-ms-win-.*)(\.dll)?$'
imports=$(awk '/DLL Name:/ {print tolower($3)}' <<< "$headers" | sort -u)
[ -n "$imports" ] || fail "no imports found"
while read -r dll; do
    grep -qE "$system_dlls" <<< "$dll" || fail "imports $dll, which Windows does not ship"
done <<< "$imports"
echo "imports: $(tr '\n' ' ' <<< "$imports")"

# The version record's strings are UTF-16.
strings=$(strings -el "$exe")
for key in FileVersion ProductVersion; do
    grep -qx "$key" <<< "$strings" || fail "no $key in the version record"
done
grep -qx "$version" <<< "$strings" || fail "the version record lacks $version"
# The resource types at the top of the resource tree: 14 is an icon group, 16 a version record.
types=$(sed -n '/rsrc Resource Directory/,$p' <<< "$headers" | awk '/^[0-9a-f]+   Entry/ {sub(",", "", $4); print $4}')
grep -qx '0x00000e' <<< "$types" || fail "no icon in the resources"
# Qt's windows take their taskbar icon from the icon named IDI_ICON1.
grep -q 'IDI_ICON1' <<< "$strings" || fail "the icon is not named IDI_ICON1"
grep -qx '0x000010' <<< "$types" || fail "no version record in the resources"

size=$(stat -c %s "$exe")
echo "$(basename "$exe"): $size bytes"
[ -z "$max_bytes" ] || [ "$size" -le "$max_bytes" ] || fail "$exe is $size bytes, over $max_bytes"
echo "PASS"
