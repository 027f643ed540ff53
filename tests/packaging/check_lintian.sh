#!/bin/bash
# SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
# SPDX-License-Identifier: GPL-3.0-or-later
#
# lintian over the Debian package that deb_package built: no error and no warning. Pedantic and
# informational tags are shown but allowed (README.md, "Licence", says which remain and why).
# Usage: check_lintian.sh DEB_DIR
set -euo pipefail
deb_dir=$1

shopt -s nullglob
debs=("$deb_dir"/*.deb)
[ "${#debs[@]}" -eq 1 ] || { echo "FAIL: ${#debs[@]} .deb files in $deb_dir, not one" >&2; exit 1; }
command -v lintian > /dev/null || { echo "FAIL: lintian is missing (scripts/install-deps)" >&2; exit 1; }

# lintian warns on stderr when it runs as root, as in CI; that line is no finding.
status=0
report=$(lintian --pedantic --display-info --fail-on error,warning "${debs[0]}" 2> /dev/null) ||
    status=$?
echo "${report:-lintian: no tags}"
if [ "$status" -ne 0 ] || grep -q '^[EW]: ' <<< "$report"; then
    echo "FAIL: lintian reports errors or warnings (exit status $status)" >&2
    exit 1
fi
