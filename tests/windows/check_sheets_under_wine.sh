#!/bin/bash
# SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The real placevalue-sheets.exe's command line under Wine: a PDF written to standard output is
# byte for byte as long as the same PDF written to a file (no line feed turned into a carriage
# return and a line feed) and reads back with the same text; a wrong option says so in one line
# of our own on standard error, with status 2.
# Usage: check_sheets_under_wine.sh PLACEVALUE_SHEETS_EXE
set -euo pipefail
exe=$1
# shellcheck source=tests/support/checks.sh
source "$(dirname "$0")/../support/checks.sh"
need windows wine pdftotext
export WINEDEBUG=-all
if [ -z "${WINEPREFIX:-}" ]; then
    export WINEPREFIX=$scratch/wine
    wineboot -i > /dev/null 2>&1
fi

sheet=(--activity choose --questions 40 --seed 17 --pupils 2 --answers --name-line)
wine "$exe" "${sheet[@]}" --output - > "$scratch/piped.pdf" || fail "--output - ended with $?"
wine "$exe" "${sheet[@]}" --output "$(winepath -w "$scratch/written.pdf")" ||
    fail "--output FILE ended with $?"
head -c 5 "$scratch/piped.pdf" | grep -q '^%PDF-' || fail "standard output holds no PDF"
[ "$(stat -c %s "$scratch/piped.pdf")" = "$(stat -c %s "$scratch/written.pdf")" ] ||
    fail "the PDF on standard output is $(stat -c %s "$scratch/piped.pdf") bytes, in a file" \
        "$(stat -c %s "$scratch/written.pdf")"
cmp -s <(pdftotext "$scratch/piped.pdf" -) <(pdftotext "$scratch/written.pdf" -) ||
    fail "the two PDFs read back differently"

status=0
wine "$exe" --activity read --questions 10 --seed 1 --mark red --output - \
    > "$scratch/out" 2> "$scratch/err" || status=$?
[ "$status" = 2 ] || fail "a wrong option ended with $status"
[ ! -s "$scratch/out" ] || fail "a wrong option wrote to standard output"
[ "$(tr -d '\r' < "$scratch/err")" = \
    "placevalue-sheets: --mark does not apply to the read activity" ] ||
    fail "a wrong option said: $(cat "$scratch/err")"
echo "placevalue-sheets.exe under Wine: standard output carries the PDF unchanged; errors are ours"
