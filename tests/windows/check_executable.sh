#!/bin/bash
# SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
# SPDX-License-Identifier: GPL-3.0-or-later
#
# placevalue.exe is one GUI-subsystem program that needs no DLL beyond those Windows itself
# ships, and carries its version record (1.00) and its icon.
# Usage: check_executable.sh PLACEVALUE_EXE VERSION
set -euo pipefail
exe=$1
version=$2

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

headers=$(x86_64-w64-mingw32-objdump -p "$exe") || fail "objdump cannot read $exe"

grep -qE '^Subsystem\s+0+2\s+\(Windows GUI\)' <<< "$headers" ||
    fail "not a GUI-subsystem program: $(grep Subsystem <<< "$headers")"

# The DLLs every Windows 10 and 11 has; anything else would have to ship beside the program.
system_dlls='^(advapi32|comdlg32|d3d11|d3d12|d3d9|dwmapi|dwrite|dxgi|gdi32|imm32|kernel32|msvcrt|netapi32|ole32|oleaut32|setupapi|shell32|shlwapi|user32|userenv|uxtheme|version|winmm|winspool\.drv|ws2_32|wtsapi32|authz|cfgmgr32|mpr|crypt32|bcrypt|dxva2|api-ms-win-.*)(\.dll)?$'
imports=$(awk '/DLL Name:/ {print tolower($3)}' <<< "$headers" | sort -u)
[ -n "$imports" ] || fail "no imports found"
while read -r dll; do
    grep -qE "$system_dlls" <<< "$dll" || fail "imports $dll, which Windows does not ship"
done <<< "$imports"
echo "imports: $(tr '\n' ' ' <<< "$imports")"

# The version record's strings are UTF-16; the icon is a resource of type 3.
strings -el "$exe" > "${TMPDIR:-/tmp}/placevalue-strings.$$"
trap 'rm -f "${TMPDIR:-/tmp}/placevalue-strings.$$"' EXIT
for key in FileVersion ProductVersion; do
    grep -qx "$key" "${TMPDIR:-/tmp}/placevalue-strings.$$" || fail "no $key in the version record"
done
grep -qx "$version" "${TMPDIR:-/tmp}/placevalue-strings.$$" || fail "the version record lacks $version"
x86_64-w64-mingw32-objdump -p "$exe" | grep -qE 'Type: (3|ICON)\b|^ *Entry: ID: 0x0*3\b|Type: 0x0*3' ||
    x86_64-w64-mingw32-objdump -p "$exe" | grep -qiE 'icon' || fail "no icon resource"

size=$(stat -c %s "$exe")
echo "placevalue.exe: $size bytes"
[ "$size" -le 20000000 ] || fail "$exe is $size bytes, over 20 MB"
echo "PASS"
