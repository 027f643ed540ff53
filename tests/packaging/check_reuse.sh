#!/bin/bash
# SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
# SPDX-License-Identifier: GPL-3.0-or-later
#
# `reuse lint` over the source tree: every file has its copyright and licence, in its own tags or
# in .reuse/dep5, and LICENSES/ holds the text of every licence named and no other. Files git
# ignores (the build folders) are not looked at, so the tree must be a git checkout; elsewhere
# the test reports itself skipped.
# Usage: check_reuse.sh SOURCE_DIR
set -euo pipefail
source_dir=$1

if ! git -C "$source_dir" rev-parse --is-inside-work-tree > /dev/null 2>&1; then
    echo "SKIP: $source_dir is not a git checkout; reuse would read the build folders too"
    exit 77
fi
command -v reuse > /dev/null || { echo "FAIL: reuse is missing (scripts/install-deps)" >&2; exit 1; }

if ! report=$(reuse --root "$source_dir" lint 2>&1); then
    echo "$report" >&2
    echo "FAIL: reuse lint finds files without licence information or a licence without its text" >&2
    exit 1
fi
# The summary, e.g. "* Files with license information: 160 / 160".
sed -n '/^# SUMMARY/,$p' <<< "$report"
