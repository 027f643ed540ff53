# shellcheck shell=sh disable=SC2034,SC2154
# SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The steps both static Qt builds take (build-windows-qt, build-web-qt), sourced by them after
# they set `script` to their own name and `platform` to the one they build for. Each builds Qt from Debian's source package of the host's
# own Qt version, once per machine, into a cache folder outside the clone, and prints that
# folder's path as its last line.
#
# The folder appears whole or not at all: Qt is installed into a staging folder (DESTDIR) and
# moved into place in one rename, so a failed or interrupted build leaves nothing that looks
# complete. Its name carries the Qt version, the platform and a hash of everything that shapes
# the build. Two runs at once wait for each other (a lock in the cache folder).

top=$(cd "$(dirname "$0")/.." && pwd)
cache=${PLACEVALUE_CACHE:-/var/cache/placevalue}
jobs=${JOBS:-$(nproc 2>/dev/null || echo 2)}

say() { echo "$script: $*" >&2; }

# Installs the group's tools (scripts/install-deps GROUP); sets version (6.4.2+dfsg-10) and
# upstream (6.4.2), the host's Qt.
qt_install_deps() {
    "$top/scripts/install-deps" "$1" >&2
    version=$(dpkg-query -W -f='${Version}' qt6-base-dev)
    upstream=$(echo "$version" | sed 's/^[0-9]*://; s/[+~-].*//')
}

# qt_cache_folder PLATFORM HASH: sets prefix (the finished Qt) and work (the build's own folder,
# removed at the end), and waits for any other run on the same folder.
qt_cache_folder() {
    prefix="$cache/qt-$upstream-$1-static-$2"
    work="$cache/work-$1-$upstream-$2"
    mkdir -p "$cache"
    exec 9> "$cache/.lock-$1-$2"
    flock 9
}

# qt_reuse FILE...: when Qt and the given files are in the folder already, prints it and ends
# the run.
qt_reuse() {
    for file in lib/cmake/Qt6/qt.toolchain.cmake "$@"; do
        [ -f "$prefix/$file" ] || return 0
    done
    say "Qt $upstream for $platform is already built in $prefix"
    echo "$prefix"
    exit 0
}

# Starts afresh: no Qt in the folder, and an empty work folder, removed when the run ends.
qt_fresh_work() {
    rm -rf "$work" "$prefix"
    mkdir -p "$work/source"
    trap 'rm -rf "$work"' EXIT INT TERM
}

# The source of the very Qt the host has: needs a deb-src entry for the archive it came from.
qt_fetch_source() {
    if ! apt-get source --print-uris "qt6-base=$version" >/dev/null 2>&1; then
        say "adding a deb-src entry for bookworm main"
        cat > /etc/apt/sources.list.d/placevalue-deb-src.sources <<'SOURCES'
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: bookworm
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
SOURCES
        apt-get update -qq
    fi
    say "fetching the source of qt6-base $version"
    (cd "$work/source" && apt-get source -qq --download-only "qt6-base=$version" >&2 &&
        dpkg-source --no-check -x ./*.dsc qtbase >/dev/null 2>&1)
}

# qt_configure HOW-LONG CMAKE-ARGUMENT...: configures qtbase for the prefix, with the host's Qt
# tools.
qt_configure() {
    say "configuring ($1)"
    shift
    cmake -G Ninja -S "$work/source/qtbase" -B "$work/build" "$@" \
        -DCMAKE_INSTALL_PREFIX="$prefix" \
        -DQT_HOST_PATH=/usr \
        -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
        > "$work/configure.log" 2>&1 || { tail -40 "$work/configure.log" >&2; exit 1; }
}

# qt_build HOW-LONG: builds, saying how far it got once a minute; then installs into the
# staging folder, whose copy of the prefix is $stage.
qt_build() {
    say "building with $jobs jobs ($1)"
    ninja -C "$work/build" -j "$jobs" > "$work/build.log" 2>&1 &
    ninja_pid=$!
    while kill -0 "$ninja_pid" 2>/dev/null; do
        sleep 60
        kill -0 "$ninja_pid" 2>/dev/null && say "$(tail -n 1 "$work/build.log" | cut -c1-30)"
    done
    wait "$ninja_pid" || { tail -40 "$work/build.log" >&2; exit 1; }
    say "installing"
    DESTDIR="$work/stage" cmake --install "$work/build" > /dev/null
    stage="$work/stage$prefix"
}

# Moves the staged Qt into place in one rename and prints its folder.
qt_finish() {
    mv "$stage" "$prefix"
    say "done: $prefix"
    echo "$prefix"
}
