#!/bin/bash
# SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The real placevalue-sheets.exe takes Arabic on its command line whatever Windows' ANSI code
# page: a sheet with an Arabic --school and --class, written under a French Windows (code page
# 1252, which holds no Arabic letter) into a file with an Arabic name, is the same page, rendered,
# as the one written under an Arabic Windows (code page 1256), and its header holds no "?" where
# a letter was lost. Wine takes the code page from the Unix locale, which must be generated
# (scripts/install-deps windows).
# Usage: check_sheets_code_page_under_wine.sh PLACEVALUE_SHEETS_EXE
set -euo pipefail
exe=$1
# shellcheck source=tests/support/checks.sh
source "$(dirname "$0")/../support/checks.sh"
need windows wine pdftoppm pdftotext compare
for wanted in fr_FR ar_EG; do
    locale -a | grep -qx "$wanted.utf8" ||
        fail "the locale $wanted.UTF-8 is not generated (scripts/install-deps windows)"
done
export WINEDEBUG=-all
if [ -z "${WINEPREFIX:-}" ]; then
    export WINEPREFIX=$scratch/wine
    wineboot -i > /dev/null 2>&1
fi

school="مدرسة النور"
class="السادس ب"
# Writes the sheet under the locale given into the file given, named as Windows names it.
write_sheet() {
    local windows_name
    windows_name="Z:${2//\//\\}"
    LC_ALL=$1 wine "$exe" --activity write --questions 10 --seed 28 --digits western \
        --separator point --school "$school" --class "$class" --output "$windows_name" \
        2> "$scratch/err" || fail "under $1 no sheet was written: $(tr -d '\r' < "$scratch/err")"
}
write_sheet ar_EG.UTF-8 "$scratch/arabic.pdf"
write_sheet fr_FR.UTF-8 "$scratch/ورقة $class.pdf"
[ -s "$scratch/ورقة $class.pdf" ] || fail "no file with the Arabic name under code page 1252"
# The code pages really differ: Wine's console reports the OEM code page of each locale.
[ "$(LC_ALL=ar_EG.UTF-8 wine cmd /c chcp | tr -d '\r')" != \
    "$(LC_ALL=fr_FR.UTF-8 wine cmd /c chcp | tr -d '\r')" ] ||
    fail "Wine gave both locales the same code page"

for sheet in arabic "ورقة $class"; do
    pdftoppm -f 1 -l 1 -r 72 -png -singlefile "$scratch/$sheet.pdf" "$scratch/$sheet"
    pdftotext -f 1 -l 1 "$scratch/$sheet.pdf" "$scratch/$sheet.txt"
    ! grep -q '?' "$scratch/$sheet.txt" ||
        fail "the header of $sheet.pdf lost letters: $(head -n 1 "$scratch/$sheet.txt")"
done
differing=$(compare -metric AE "$scratch/arabic.png" "$scratch/ورقة $class.png" null: 2>&1) || true
[ "$differing" = 0 ] ||
    fail "the page written under code page 1252 differs in $differing pixels from that under 1256"
echo "placevalue-sheets.exe under Wine: Arabic arguments and file names survive code page 1252"
