#!/bin/bash
# SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
# SPDX-License-Identifier: GPL-3.0-or-later

# The Windows version record compiles with the MinGW resource compiler and carries the
# project's version: FILEVERSION and PRODUCTVERSION as numbers, FileVersion and ProductVersion
# as written ("1.00").
# Usage: check_windows_resource.sh RC_FILE VERSION
set -euo pipefail
rc=$1
version=$2

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

windres=x86_64-w64-mingw32-windres
command -v "$windres" > /dev/null || fail "$windres is missing (scripts/install-deps installs it)"

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

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
expect "VALUE \"OriginalFilename\", \"placevalue.exe\"$"
echo "version record: file and product version $version ($major, $minor, 0, 0)"
