#!/bin/bash
# SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
# SPDX-License-Identifier: GPL-3.0-or-later

# A Windows version record compiles with the MinGW resource compiler and carries the project's
# version: FILEVERSION and PRODUCTVERSION as numbers, FileVersion and ProductVersion as written
# ("1.00"); the program's file name; the company, and an Arabic and an English block, the Arabic
# text read as UTF-8 (not as Latin-1 letters).
# Usage: check_windows_resource.sh RC_FILE VERSION PROGRAM
set -euo pipefail
rc=$1
version=$2
program=$3
# shellcheck source=tests/support/checks.sh
source "$(dirname "$0")/../support/checks.sh"
windres=x86_64-w64-mingw32-windres
need "" "$windres"

# The host's C preprocessor stands in for the MinGW compiler's: the script includes no headers.
"$windres" --preprocessor=cpp --input "$rc" --output-format=coff --output "$scratch/version.o" ||
    fail "$windres does not compile $rc"
"$windres" --input "$scratch/version.o" --input-format=coff --output-format=rc \
    --output "$scratch/decompiled.rc" || fail "$windres cannot read back what it compiled"

major=${version%%.*}
minor=$((10#${version#*.}))
expect() {
    grep -qE "$1" "$scratch/decompiled.rc" || {
        cat "$scratch/decompiled.rc" >&2
        fail "the compiled version record lacks: $1"
    }
}
expect "^1 VERSIONINFO"
expect "^ FILEVERSION $major, $minor, 0, 0$"
expect "^ PRODUCTVERSION $major, $minor, 0, 0$"
expect "VALUE \"FileVersion\", \"$version\"$"
expect "VALUE \"ProductVersion\", \"$version\"$"
expect "VALUE \"OriginalFilename\", \"$program.exe\"$"
expect "VALUE \"CompanyName\", \"The Place Value developers\"$"
expect "^    BLOCK \"040104b0\"$"
expect "^    BLOCK \"040904b0\"$"
expect "VALUE \"Translation\", 0x401, 1200, 0x409, 1200$"
# The resource compiler writes the Arabic letters (U+0600 to U+06FF) as escapes.
expect 'VALUE "FileDescription", L"\\x06[0-9a-f]{2}'
expect 'VALUE "ProductName", L"\\x0627\\x0644\\x0628\\x0644\\x0645\\x0632\\x064a\\x0629"$'
expect 'VALUE "ProductName", "Place Value"$'
echo "version record of $program.exe: file and product version $version ($major, $minor, 0, 0)"
