#!/bin/bash
# SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
# SPDX-License-Identifier: GPL-3.0-or-later

# `cmake --install` into a scratch root: the program, its desktop entry, its icon and its
# AppStream entry land in the standard places, refer to each other, and pass their validators;
# so does the worksheet maker beside it, with its own desktop entry (APP_ID.Sheets).
# Usage: check_install_tree.sh BUILD_DIR APP_ID
set -euo pipefail
build=$1
id=$2
# shellcheck source=tests/support/checks.sh
source "$(dirname "$0")/../support/checks.sh"
root=$scratch/root

if ! log=$(DESTDIR=$root cmake --install "$build" --prefix /usr 2>&1); then
    echo "$log" >&2
    fail "cmake --install failed"
fi

program=$root/usr/bin/placevalue
desktop=$root/usr/share/applications/$id.desktop
metainfo=$root/usr/share/metainfo/$id.metainfo.xml
icon=$root/usr/share/icons/hicolor/scalable/apps/$id.svg
for file in "$program" "$desktop" "$metainfo" "$icon" "$root/usr/share/man/man6/placevalue.6.gz" \
    "$root/usr/share/doc/placevalue/copyright" "$root/usr/share/doc/placevalue/changelog.gz"; do
    [ -f "$file" ] || fail "not installed: ${file#"$root"}"
done
[ -x "$program" ] || fail "the program is not executable"
file --brief "$program" | grep -q '^ELF' || fail "usr/bin/placevalue is not a program"

desktop-file-validate "$desktop" || fail "desktop-file-validate rejects the desktop entry"
appstreamcli validate --no-net "$metainfo" || fail "appstreamcli rejects the AppStream entry"
appstreamcli validate-tree --no-net "$root" || fail "appstreamcli rejects the installed tree"

# One value of the [Desktop Entry] group, e.g. entry Name[ar].
entry() {
    sed -n "s/^$(printf '%s' "$1" | sed 's/[][]/\\&/g')=//p" "$desktop"
}
[ "$(entry Type)" = Application ] || fail "Type is not Application"
[ "$(entry Name)" = "Place Value" ] || fail "the English name is '$(entry Name)'"
[ "$(entry 'Name[ar]')" = "البلمزية" ] || fail "the Arabic name is '$(entry 'Name[ar]')'"
[ -n "$(entry Comment)" ] || fail "no English comment"
entry 'Comment[ar]' | grep -q "للصف السادس الابتدائي" || fail "the Arabic comment names no grade"
[ "$(entry Categories)" = "Education;Math;" ] || fail "Categories is '$(entry Categories)'"
[ -x "$root/usr/bin/$(entry Exec)" ] || fail "Exec '$(entry Exec)' is not the installed program"
[ "$(entry Icon)" = "$id" ] || fail "Icon '$(entry Icon)' is not the installed icon's name"

grep -q "<id>$id</id>" "$metainfo" || fail "the AppStream id is not $id"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
    fail "the AppStream entry does not launch the desktop entry"
grep -q '<content_rating type="oars-1.1"' "$metainfo" || fail "no content rating"
grep -q '<project_license>GPL-3.0-or-later</project_license>' "$metainfo" ||
    fail "the AppStream entry names no project licence GPL-3.0-or-later"

# The icon must draw at the sizes a desktop asks for.
for size in 16 48 256; do
    rsvg-convert --width "$size" --height "$size" "$icon" -o "$scratch/icon.png" ||
        fail "the icon does not draw at $size px"
    file --brief "$scratch/icon.png" | grep -q "PNG image data, $size x $size" ||
        fail "the icon drawn at $size px is $(file --brief "$scratch/icon.png")"
done
# The worksheet maker: installed beside the program, its own entry, the program's icon.
sheets=$root/usr/bin/placevalue-sheets
sheets_desktop=$root/usr/share/applications/$id.Sheets.desktop
for file in "$sheets" "$sheets_desktop"; do
    [ -f "$file" ] || fail "not installed: ${file#"$root"}"
done
file --brief "$sheets" | grep -q '^ELF' || fail "usr/bin/placevalue-sheets is not a program"
[ "$("$sheets" --version)" = "placevalue-sheets 1.00" ] || fail "the installed worksheet maker's version"
desktop-file-validate "$sheets_desktop" || fail "desktop-file-validate rejects the worksheets' entry"
desktop=$sheets_desktop
[ "$(entry Type)" = Application ] || fail "the worksheets' Type is not Application"
[ "$(entry Name)" = "Place Value Worksheets" ] || fail "the worksheets' English name is '$(entry Name)'"
[ "$(entry 'Name[ar]')" = "اوراق عمل البلمزية" ] ||
    fail "the worksheets' Arabic name is '$(entry 'Name[ar]')'"
[ -n "$(entry 'Comment[ar]')" ] || fail "the worksheets' entry has no Arabic comment"
case ";$(entry Categories)" in
*";Education;"*) ;;
*) fail "the worksheets' Categories '$(entry Categories)' lack Education" ;;
esac
[ -x "$root/usr/bin/$(entry Exec)" ] || fail "the worksheets' Exec '$(entry Exec)' is not installed"
[ "$(entry Icon)" = "$id" ] || fail "the worksheets' Icon '$(entry Icon)' is not the installed icon"

echo "installed and valid: ${program#"$root"} ${desktop#"$root"} ${metainfo#"$root"} ${icon#"$root"}" \
    "${sheets#"$root"} ${sheets_desktop#"$root"}"
