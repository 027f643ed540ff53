#!/bin/bash
# SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the Debian package with CPack (as `make package` does) into OUT_DIR and checks what it
# declares and holds: name, version, architecture, the libraries dpkg-shlibdeps found, the font
# packages, the installed files with a stripped program, and the documents Debian asks for: the
# machine-readable copyright file, the changelog with this version on top, the manual page.
# Usage: check_deb_package.sh BUILD_DIR OUT_DIR VERSION APP_ID
set -euo pipefail
build=$1
out=$2
version=$3
id=$4
# shellcheck source=tests/support/checks.sh
source "$(dirname "$0")/../support/checks.sh"

rm -rf "$out"
mkdir -p "$out"
if ! log=$(cd "$build" && cpack -G DEB -B "$out" 2>&1); then
    echo "$log" >&2
    fail "cpack failed"
fi
shopt -s nullglob
debs=("$out"/*.deb)
[ "${#debs[@]}" -eq 1 ] || fail "cpack made ${#debs[@]} .deb files, not one"
deb=${debs[0]}
arch=$(dpkg --print-architecture)
[ "$(basename "$deb")" = "placevalue_${version}_${arch}.deb" ] || fail "file name $(basename "$deb")"

field() {
    dpkg-deb --field "$deb" "$1"
}
[ "$(field Package)" = placevalue ] || fail "Package is '$(field Package)'"
[ "$(field Version)" = "$version" ] || fail "Version is '$(field Version)', the project's $version"
[ "$(field Architecture)" = "$arch" ] || fail "Architecture is '$(field Architecture)'"
[ "$(field Section)" = education ] || fail "Section is '$(field Section)'"
depends=$(field Depends)
for package in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6 \
    fonts-hosny-amiri fonts-noto-core; do
    case ", $depends," in
    *", $package "* | *", $package,"*) ;;
    *) fail "Depends lacks $package: $depends" ;;
    esac
done
[ "$(field Recommends)" = qt6-translations-l10n ] || fail "Recommends is '$(field Recommends)'"

contents=$(dpkg-deb --contents "$deb" | awk '{print $6}')
for path in ./usr/bin/placevalue ./usr/bin/placevalue-sheets "./usr/share/applications/$id.desktop" \
    "./usr/share/applications/$id.Sheets.desktop" \
    "./usr/share/metainfo/$id.metainfo.xml" "./usr/share/icons/hicolor/scalable/apps/$id.svg" \
    ./usr/share/doc/placevalue/copyright ./usr/share/doc/placevalue/changelog.gz \
    ./usr/share/man/man6/placevalue.6.gz ./usr/share/man/man1/placevalue-sheets.1.gz; do
    grep -qxF "$path" <<< "$contents" || fail "the package lacks $path"
done
unpacked=$out/unpacked
dpkg-deb --extract "$deb" "$unpacked"
for binary in placevalue placevalue-sheets; do
    file --brief "$unpacked/usr/bin/$binary" | grep -q ', stripped' ||
        fail "the packaged $binary is not stripped"
done
grep -q "<release version=\"$version\"" "$unpacked/usr/share/metainfo/$id.metainfo.xml" ||
    fail "the packaged AppStream entry has no release $version"
doc=$unpacked/usr/share/doc/placevalue
head -n 1 "$doc/copyright" |
    grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' ||
    fail "the copyright file is not in Debian's machine-readable format"
grep -q '^License: GPL-3+$' "$doc/copyright" || fail "the copyright file names no GPL-3+"
gzip -dc "$doc/changelog.gz" > "$out/changelog"
changelog_version=$(dpkg-parsechangelog -l "$out/changelog" -S Version)
[ "$changelog_version" = "$version" ] ||
    fail "the changelog's latest entry is $changelog_version, the package $version"
gzip -dc "$unpacked/usr/share/man/man6/placevalue.6.gz" |
    grep -q "^\.TH PLACEVALUE 6 .*\"placevalue $version\"" ||
    fail "the manual page is not placevalue(6) of version $version"
rm -rf "$unpacked" "$out/changelog"

echo "$(basename "$deb"): $(stat -c %s "$deb") bytes, installed size $(field Installed-Size) KiB"
echo "Depends: $depends"
