#!/usr/bin/env bash
# Installs the build into a scratch DESTDIR (cmake --install, the configured
# prefix) and checks the tree as check_tree.sh does.
#   install_test.sh BUILD_DIR WORK_DIR PREFIX HOMEPAGE [CONTACT]
set -euo pipefail
build=$1
work=$2
prefix=$3
homepage=$4
contact=${5-}
# Parts of the tree are made read-only by the check; give them back so it can be removed.
[ -d "$work" ] && chmod -R u+w "$work"
rm -rf "$work"
mkdir -p "$work"
trap 'chmod -R u+w "$work" 2>/dev/null' EXIT

DESTDIR="$work/root" cmake --install "$build" >"$work/install.log"
bash "$(dirname "$0")/check_tree.sh" "$work/root" "$prefix" "$work" "$(dirname "$0")/../.." "$homepage" "$contact"

echo "install tree and launcher: ok"
