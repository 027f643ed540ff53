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
# shellcheck source=tests/support/checks.sh
source "$(dirname "$0")/../support/checks.sh"

if ! git -C "$source_dir" rev-parse --is-inside-work-tree > /dev/null 2>&1; then
    skip "$source_dir is not a git checkout; reuse would read the build folders too"
fi
need "" reuse

if ! report=$(reuse --root "$source_dir" lint 2>&1); then
    echo "$report" >&2
    fail "reuse lint finds files without licence information or a licence without its text"
fi
# The summary, e.g. "* Files with license information: 160 / 160".
sed -n '/^# SUMMARY/,$p' <<< "$report"
