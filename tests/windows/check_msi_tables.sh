#!/bin/bash
# SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The installer package, read with msitools: its version, its UpgradeCode (which must never
# change, or a new version would install beside the old one), a per-machine 64-bit package, the
# Arabic product name and shortcuts in the Arabic codepage, no custom action that runs code; its
# files, unpacked by libgcab (which checks every block of the cabinet), are those of the zip,
# byte for byte; and it is no larger than the zip.
# Usage: check_msi_tables.sh MSI VERSION ZIP
set -euo pipefail
msi=$1
version=$2
zip=$3
# shellcheck source=tests/support/checks.sh
source "$(dirname "$0")/../support/checks.sh"
need windows msiinfo msiextract unzip

# The rows of a table, without its three header lines.
table() { msiinfo export "$msi" "$1" | tail -n +4 | tr -d '\r'; }
# The value of a property.
property() { table Property | awk -F '\t' -v name="$1" '$1 == name {print $2}'; }

expect_property() {
    local value
    value=$(property "$1")
    [ "$value" = "$2" ] || fail "$1 is \"$value\", not \"$2\""
}
expect_property ProductVersion "$version"
expect_property UpgradeCode '{BF6ED85B-7937-48D1-B82C-5340636BEDDA}'
expect_property ProductName 'البلمزية'
expect_property Manufacturer 'The Place Value developers'
expect_property ALLUSERS 1
expect_property ARPPRODUCTICON placevalue.ico

# Arabic Windows' codepage: a package without one shows the Arabic by the installing PC's own.
codepage=$(msiinfo export "$msi" _ForceCodepage | tr -d '\r\0' | awk -F '\t' 'NF == 2 {print $1}')
[ "$codepage" = 1256 ] || fail "the package's codepage is \"$codepage\", not 1256"
summary=$(msiinfo suminfo "$msi")
grep -qx 'Template: x64;[0-9]*' <<< "$summary" || fail "not a 64-bit package: $(grep Template <<< "$summary")"
# wixl writes the summary in UTF-8 whatever the codepage: Windows would garble anything but ASCII.
LC_ALL=C grep -q '[^ -~]' <<< "$summary" && fail "the summary holds text other than ASCII"

shortcuts=$(table Shortcut | awk -F '\t' '{print $3 " -> " $5}')
for expected in 'البلمزية -> [INSTALLDIR]placevalue.exe' \
    'اوراق عمل البلمزية -> [INSTALLDIR]placevalue-sheets.exe'; do
    grep -qxF "$expected" <<< "$shortcuts" || fail "no shortcut $expected; the shortcuts: $shortcuts"
done

msiextract -C "$scratch/msi" "$msi" > /dev/null 2> "$scratch/msiextract.err" ||
    fail "the package's files do not unpack: $(cat "$scratch/msiextract.err")"
unzip -q "$zip" -d "$scratch/zip"
diff -r "$scratch/zip"/* "$scratch/msi/PlaceValue" > "$scratch/diff" ||
    fail "the package's files differ from the zip's: $(head -n 5 "$scratch/diff")"

# Custom actions of types 19 (an error message), 35 (set a folder) and 51 (set a property) run
# no code; nothing else is allowed, and no binary is carried for one.
while IFS=$'\t' read -r action type _; do
    case $((type & 0x3f)) in
    19 | 35 | 51) ;;
    *) fail "custom action $action (type $type) runs code" ;;
    esac
done < <(table CustomAction)
[ -z "$(table Binary)" ] || fail "the package carries binaries: $(table Binary | cut -f 1)"

msi_size=$(stat -c %s "$msi")
zip_size=$(stat -c %s "$zip")
echo "ProductVersion $version; $msi_size bytes against the zip's $zip_size"
[ "$msi_size" -le "$zip_size" ] || fail "the package ($msi_size bytes) is larger than the zip ($zip_size)"
echo "PASS"
