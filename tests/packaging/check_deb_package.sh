#!/bin/bash
# Builds the Debian package with CPack (as `make package` does) into OUT_DIR and checks what it
# declares and holds: name, version, architecture, the libraries dpkg-shlibdeps found, the font
# packages, and the installed files with a stripped program.
# Usage: check_deb_package.sh BUILD_DIR OUT_DIR VERSION APP_ID
set -euo pipefail
build=$1
out=$2
version=$3
id=$4

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

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

contents=$(dpkg-deb --contents "$deb" | awk '{print $6}')
for path in ./usr/bin/placevalue ./usr/bin/placevalue-sheets "./usr/share/applications/$id.desktop" \
    "./usr/share/applications/$id.Sheets.desktop" \
    "./usr/share/metainfo/$id.metainfo.xml" "./usr/share/icons/hicolor/scalable/apps/$id.svg"; do
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
rm -rf "$unpacked"

echo "$(basename "$deb"): $(stat -c %s "$deb") bytes, installed size $(field Installed-Size) KiB"
echo "Depends: $depends"
