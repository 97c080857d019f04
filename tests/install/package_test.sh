#!/usr/bin/env bash
# Builds the Debian package with cpack from the build tree and checks it: its
# control fields (dependencies found by dpkg-shlibdeps, no maintainer script),
# its contents list, lintian (no error), and the tree it unpacks (dpkg -x) as
# check_tree.sh checks an installed tree, launcher and program started.
#   package_test.sh BUILD_DIR WORK_DIR PREFIX VERSION HOMEPAGE [CONTACT]
# Needs cpack, dpkg-deb, dpkg-shlibdeps (dpkg-dev), file and lintian (which
# scripts/zel.sh installs); without one, or with a build for another prefix
# than /usr, it says why and exits 77 (skipped).
set -euo pipefail
build=$1
work=$2
prefix=$3
version=$4
homepage=$5
contact=${6-}

fail() { echo "FAIL: $*" >&2; exit 1; }

if [ "$prefix" != /usr ]; then
    echo "skipped: the package installs under /usr; this build is for $prefix (configure with -DCMAKE_INSTALL_PREFIX=/usr)"
    exit 77
fi
missing=()
for tool in cpack dpkg-deb dpkg-shlibdeps file lintian; do
    command -v "$tool" >/dev/null || missing+=("$tool")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "skipped: ${missing[*]} not installed (scripts/zel.sh installs them)"
    exit 77
fi

[ -d "$work" ] && chmod -R u+w "$work"
rm -rf "$work"
mkdir -p "$work"
trap 'chmod -R u+w "$work" 2>/dev/null' EXIT

# The package, as the README says to build it.
(cd "$build" && cpack -G DEB -B "$work/out") >"$work/cpack.log" 2>&1 || { cat "$work/cpack.log" >&2; fail "cpack -G DEB failed"; }
deb=$work/out/zel-manager_${version}_$(dpkg --print-architecture).deb
[ -f "$deb" ] || { ls -l "$work/out" >&2; fail "no $(basename "$deb")"; }

# Control fields. The dependencies are the libraries the binaries link, found
# by dpkg-shlibdeps: the Qt libraries among them, each with a version.
dpkg-deb --field "$deb" >"$work/control"
field() { sed -n "s/^$1: //p" "$work/control"; }
[ "$(field Package)" = zel-manager ] || fail "Package: $(field Package)"
[ "$(field Version)" = "$version" ] || fail "Version: $(field Version)"
depends=$(field Depends)
for lib in libc6 'libstdc\+\+6' libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6; do
    echo "$depends" | tr ',' '\n' | grep -qxE " ?$lib \(>= [^)]+\)" || fail "Depends lacks $lib: $depends"
done
# No maintainer script: installing and removing the package only adds and
# removes its own files under /usr, never a user's run-time folder.
dpkg-deb --ctrl-tarfile "$deb" | tar -t | sed 's#^\./##' | grep -v '^$' | sort >"$work/control-members"
[ "$(tr '\n' ' ' <"$work/control-members")" = "control md5sums " ] ||
    fail "control members are $(tr '\n' ' ' <"$work/control-members")"

# The contents list: every file the package is for, and nothing outside /usr.
dpkg-deb --contents "$deb" | awk '{print $6}' | sed 's#^\./#/#' >"$work/contents"
outside=$(grep -vE '^/(usr(/.*)?)?$' "$work/contents" || true)
[ -z "$outside" ] || fail "files outside /usr: $outside"
appstream_id=$(sed -n 's#^/usr/share/metainfo/\(.*\)\.metainfo\.xml$#\1#p' "$work/contents")
[ -n "$appstream_id" ] || fail "no metainfo in share/metainfo/"
for f in bin/zel-manager bin/zel-export libexec/zel-manager/zel \
    share/zel-manager/Zel.ini share/zel-manager/data/main.bmp share/zel-manager/data/titre.bmp \
    share/zel-manager/data/main@2x.png share/zel-manager/data/titre@2x.png \
    share/zel-manager/zel.hlp share/zel-manager/help/zel.hlp \
    share/applications/zel-manager.desktop \
    share/icons/hicolor/64x64/apps/zel-manager.png share/icons/hicolor/256x256/apps/zel-manager.png \
    "share/metainfo/$appstream_id.metainfo.xml" \
    share/man/man1/zel-manager.1.gz share/man/man1/zel-export.1.gz \
    share/doc/zel-manager/README.md share/doc/zel-manager/README.html share/doc/zel-manager/copyright \
    share/doc/zel-manager/changelog.gz share/doc/zel-manager/docs/main-window.png; do
    grep -qxF "/usr/$f" "$work/contents" || fail "the package lacks /usr/$f"
done

# lintian: no error (warnings and notes are printed, for a reader).
lintian --fail-on error --display-info "$deb" >"$work/lintian.log" 2>&1 || {
    cat "$work/lintian.log" >&2
    fail "lintian reports errors"
}
cat "$work/lintian.log"

# Unpacked into a scratch root, the tree is what cmake --install makes.
dpkg -x "$deb" "$work/root"
bash "$(dirname "$0")/check_tree.sh" "$work/root" /usr "$work" "$(dirname "$0")/../.." "$homepage" "$contact"

echo "Debian package $(basename "$deb"): ok"
