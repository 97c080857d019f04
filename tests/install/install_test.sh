#!/usr/bin/env bash
# Installs the build into a scratch DESTDIR and checks the tree, the menu entry,
# and what the launcher does with the user's run-time folder.
#   install_test.sh BUILD_DIR WORK_DIR
set -euo pipefail
build=$1
work=$2
# Parts of the tree are made read-only below; give them back so it can be removed.
[ -d "$work" ] && chmod -R u+w "$work"
rm -rf "$work"
mkdir -p "$work"
trap 'chmod -R u+w "$work" 2>/dev/null' EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

DESTDIR="$work/root" cmake --install "$build" --prefix /usr >"$work/install.log"
root=$work/root/usr

for f in bin/zel-manager bin/zel-export libexec/zel-manager/zel; do
    [ -x "$root/$f" ] || fail "$f missing or not executable"
done
[ "$(head -c 4 "$root/libexec/zel-manager/zel" | od -An -c | tr -d ' ')" = '177ELF' ] ||
    fail "libexec/zel-manager/zel is not the program"
for f in Zel.ini data/main.bmp data/titre.bmp zel.hlp help/zel.hlp; do
    cmp -s "$root/share/zel-manager/$f" "$(dirname "$0")/../../runtime/$f" || fail "share/zel-manager/$f differs"
done

desktop=$root/share/applications/zel-manager.desktop
grep -qx 'Exec=zel-manager' "$desktop" || fail "the menu entry does not start the launcher"
grep -qx 'Icon=zel-manager' "$desktop" || fail "the menu entry has no icon"
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$desktop" || fail "desktop-file-validate refuses the menu entry"
else
    echo "note: desktop-file-validate not installed, menu entry not validated"
fi

# PNG width and height are the big-endian words at bytes 16 and 20.
png_size() { od -An -tu1 -j16 -N8 "$1" | awk '{print $3*256+$4 "x" $7*256+$8}'; }
for size in 64x64 256x256; do
    icon=$root/share/icons/hicolor/$size/apps/zel-manager.png
    [ -f "$icon" ] || fail "icon $size missing"
    [ "$(png_size "$icon")" = "$size" ] || fail "icon $size is $(png_size "$icon")"
done

# zel-export runs from the installed tree (no build-tree library paths).
out=$("$root/bin/zel-export" 2>&1 >/dev/null) && fail "zel-export without a file succeeded"
[ -n "$out" ] || fail "zel-export without a file said nothing"

# The launcher, with a stand-in for the program that reports where it was
# started: it must be the one installed beside the launcher.
mv "$root/libexec/zel-manager/zel" "$work/zel.real"
cat >"$root/libexec/zel-manager/zel" <<'STUB'
#!/bin/sh
pwd -P >"$ZEL_TEST_REPORT"
echo "$*" >>"$ZEL_TEST_REPORT"
exit 7
STUB
chmod +x "$root/libexec/zel-manager/zel"
export ZEL_TEST_REPORT=$work/report
launcher=$root/bin/zel-manager

check_folder() { # DIR: a complete run-time folder
    local dir=$1
    for f in Zel.ini data/main.bmp data/titre.bmp zel.hlp help/zel.hlp; do
        [ -f "$dir/$f" ] || fail "$dir/$f not created"
    done
    [ -d "$dir/users" ] || fail "$dir/users not created"
    # By mode, not by access: root may write anything.
    [ "$(stat -c %A "$dir/Zel.ini" | cut -c3)" = w ] || fail "$dir/Zel.ini is not writable"
}

# Shipped files as a system package leaves them: read-only.
chmod -R a-w "$root/share/zel-manager"

status=0
env -u ZEL_HOME -u XDG_DATA_HOME HOME="$work/home" "$launcher" one two || status=$?
[ "$status" = 7 ] || fail "the launcher did not hand over the program's exit code ($status)"
home_dir=$work/home/.local/share/zel-manager
check_folder "$home_dir"
[ "$(sed -n 1p "$work/report")" = "$(cd "$home_dir" && pwd -P)" ] || fail "program not started in $home_dir"
[ "$(sed -n 2p "$work/report")" = "one two" ] || fail "arguments not passed on"

env -u ZEL_HOME XDG_DATA_HOME="$work/xdg" "$launcher" || true
check_folder "$work/xdg/zel-manager"
ZEL_HOME="$work/custom" XDG_DATA_HOME="$work/xdg2" "$launcher" || true
check_folder "$work/custom"
[ ! -e "$work/xdg2" ] || fail "ZEL_HOME did not take precedence"

# A second start keeps the user's files and puts back only what is missing.
printf '[Zel]\nUserPath=.\\mine\\\n' >"$work/custom/Zel.ini"
printf 'season' >"$work/custom/users/Dupont.usr"
rm "$work/custom/data/titre.bmp"
ZEL_HOME="$work/custom" "$launcher" || true
grep -q 'mine' "$work/custom/Zel.ini" || fail "the user's Zel.ini was replaced"
[ "$(cat "$work/custom/users/Dupont.usr")" = season ] || fail "a player file was touched"
[ -f "$work/custom/data/titre.bmp" ] || fail "a missing picture was not put back"

# A launcher that cannot find its program says so.
rm "$root/libexec/zel-manager/zel"
status=0
ZEL_HOME="$work/custom" "$launcher" 2>"$work/err" || status=$?
[ "$status" = 2 ] && grep -q 'program not found' "$work/err" || fail "missing program not reported"

# The real program starts from the installed tree and stays up until stopped.
mv "$work/zel.real" "$root/libexec/zel-manager/zel"
mkdir -m 700 "$work/runtime"
status=0
ZEL_HOME="$work/real" XDG_RUNTIME_DIR="$work/runtime" QT_QPA_PLATFORM=offscreen \
    timeout 3 "$launcher" >"$work/real.log" 2>&1 || status=$?
[ "$status" = 124 ] || { cat "$work/real.log" >&2; fail "the installed program ended by itself ($status)"; }
check_folder "$work/real"

echo "install tree and launcher: ok"
