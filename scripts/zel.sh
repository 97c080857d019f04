#!/usr/bin/env bash
# Set-up, build, run and test of Zel Manager on Debian 12 (run as root, or with sudo available).
#   scripts/zel.sh run    install what is missing, build, start the program
#   scripts/zel.sh test   install what is missing, build, run every test
#   scripts/zel.sh package  install what is missing, build, make the Debian package
set -euo pipefail
cd "$(dirname "$0")/.."
top=$(pwd)

packages=(cmake ninja-build g++ pkg-config ccache qt6-base-dev libgl-dev libgtest-dev libgmock-dev
          libbenchmark-dev nlohmann-json3-dev zlib1g-dev xvfb xauth xdotool imagemagick poppler-utils
          fonts-dejavu-core dbus at-spi2-core python3-pyatspi qt6ct desktop-file-utils clang libclang-rt-14-dev
          libmd4c-dev libmd4c-html0-dev dpkg-dev file lintian appstream man-db qt6-translations-l10n valgrind)

install_missing() {
    local missing=()
    for p in "${packages[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    echo "Installing: ${missing[*]}"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

# Built for /usr, where the Debian package installs: the addresses the program,
# the manual pages and the metainfo name are those of the installed files.
build() {
    cmake -S "$top" -B "$top/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_INSTALL_PREFIX=/usr >/dev/null
    cmake --build "$top/build"
}

case "${1:-}" in
run)
    install_missing
    build
    # The installed launcher, pointed at the build tree: it prepares the
    # run-time folder outside the source and build trees and starts there.
    ZEL_DATA_DIR="$top/runtime" ZEL_PROGRAM="$top/build/src/shell/zel" exec "$top/build/packaging/zel-manager"
    ;;
test)
    install_missing
    build
    ctest --test-dir "$top/build" --output-on-failure -j "$(nproc)"
    ;;
package)
    install_missing
    build
    (cd "$top/build" && cpack -G DEB)
    ;;
*)
    echo "usage: $0 run|test|package" >&2
    exit 2
    ;;
esac
