#!/bin/bash
# SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
# SPDX-License-Identifier: GPL-3.0-or-later
#
# lintian over the Debian package that deb_package built: no error and no warning. Pedantic and
# informational tags are shown but allowed (README.md, "Licence", says which remain and why).
# Usage: check_lintian.sh DEB_DIR
set -euo pipefail
deb_dir=$1
# shellcheck source=tests/support/checks.sh
source "$(dirname "$0")/../support/checks.sh"

shopt -s nullglob
debs=("$deb_dir"/*.deb)
[ "${#debs[@]}" -eq 1 ] || fail "${#debs[@]} .deb files in $deb_dir, not one"
need "" lintian

# lintian warns on stderr when it runs as root, as in CI; that line is no finding.
status=0
report=$(lintian --pedantic --display-info --fail-on error,warning "${debs[0]}" 2> /dev/null) ||
    status=$?
echo "${report:-lintian: no tags}"
if [ "$status" -ne 0 ] || grep -q '^[EW]: ' <<< "$report"; then
    fail "lintian reports errors or warnings (exit status $status)"
fi
