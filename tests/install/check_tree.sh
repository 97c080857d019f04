#!/usr/bin/env bash
# Checks an installed tree, however it was installed (cmake --install into a
# DESTDIR, or the Debian package unpacked with dpkg -x): the files, the menu
# entry, the metainfo, the manual pages, the documentation and the addresses
# they name, and what the launcher does with the user's run-time folder.
#   check_tree.sh DESTDIR PREFIX WORK_DIR SOURCE_DIR HOMEPAGE [CONTACT]
# The tree is DESTDIR/PREFIX; HOMEPAGE and CONTACT are the configured ones.
# The tree is changed (a stand-in program, read-only files): use a scratch one.
set -euo pipefail
destdir=$1
prefix=$2
work=$3
source=$4
homepage=$5
contact=${6-}
root=$destdir$prefix

fail() { echo "FAIL: $*" >&2; exit 1; }

for f in bin/zel-manager bin/zel-export libexec/zel-manager/zel; do
    [ -x "$root/$f" ] || fail "$f missing or not executable"
done
[ "$(head -c 4 "$root/libexec/zel-manager/zel" | od -An -c | tr -d ' ')" = '177ELF' ] ||
    fail "libexec/zel-manager/zel is not the program"
for f in Zel.ini data/main.bmp data/main@2x.png data/titre.bmp data/titre@2x.png zel.hlp help/zel.hlp; do
    cmp -s "$root/share/zel-manager/$f" "$source/runtime/$f" || fail "share/zel-manager/$f differs"
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

# The AppStream metainfo, valid, for the menu entry, in French and English.
metainfo=$(find "$root/share/metainfo" -name '*.metainfo.xml' 2>/dev/null)
[ "$(echo "$metainfo" | grep -c .)" = 1 ] || fail "not one metainfo file in share/metainfo: $metainfo"
if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net "$metainfo" || fail "appstreamcli refuses $metainfo"
else
    echo "note: appstreamcli not installed, metainfo not validated"
fi
grep -q '<launchable type="desktop-id">zel-manager.desktop</launchable>' "$metainfo" ||
    fail "the metainfo does not name the menu entry"
grep -q '<summary>' "$metainfo" && grep -q '<summary xml:lang="fr">' "$metainfo" ||
    fail "the metainfo lacks the English or the French summary"

# The manual pages, compressed, that man reads without a warning.
for page in zel-manager zel-export; do
    man=$root/share/man/man1/$page.1.gz
    [ -f "$man" ] || fail "manual page $page(1) missing"
    gzip -t "$man" || fail "$page.1.gz is not gzip"
    if command -v man >/dev/null; then
        warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$man" 2>&1 >/dev/null) || fail "man cannot read $page(1)"
        [ -z "$warnings" ] || fail "man warns about $page(1): $warnings"
        LC_ALL=C.UTF-8 MANWIDTH=80 man -l "$man" 2>/dev/null | grep -q "^NAME" || fail "$page(1) has no NAME"
    fi
done

# The documentation: the README, as written and as a page whose pictures and
# links inside the tree all exist, and the licence.
doc=$root/share/doc/zel-manager
cmp -s "$doc/README.md" "$source/README.md" || fail "share/doc/zel-manager/README.md differs"
grep -q '<h1>Zel Manager</h1>' "$doc/README.html" || fail "README.html is not the README"
grep -o -E '(src|href)="[^"]*"' "$doc/README.html" | sed -E 's/^(src|href)="(.*)"$/\2/' |
    while IFS= read -r link; do
        case $link in *://* | mailto:* | '#'*) continue ;; esac
        [ -e "$doc/${link%%#*}" ] || fail "README.html links to $link, not installed"
    done
grep -q 'GNU General Public License' "$doc/copyright" || fail "no licence in share/doc/zel-manager/copyright"
gzip -t "$doc/changelog.gz" || fail "share/doc/zel-manager/changelog.gz missing"

# One home page for all: what the about box opens is the address written in the
# program, and the menu entry, the manual pages and (for a web page) the
# metainfo name it too. By default it is the README installed above.
# The program finds the README page beside itself (checked below); a web page it holds.
case $homepage in
http://* | https://*) grep -qaF "$homepage" "$root/libexec/zel-manager/zel" || fail "the program does not hold $homepage" ;;
esac
grep -qF "Exec=xdg-open \"${homepage//%/%%}\"" "$desktop" || fail "the menu entry's Site Web is not $homepage"
for page in zel-manager zel-export; do
    zcat "$root/share/man/man1/$page.1.gz" | grep -qxF ".UR $homepage" || fail "$page(1) does not name $homepage"
    [ -z "$contact" ] || zcat "$root/share/man/man1/$page.1.gz" | grep -qxF ".MT $contact" ||
        fail "$page(1) does not name $contact"
done
case $homepage in
file://*)
    page=${homepage#file://}
    page=${page//%20/ }
    case $page in "$prefix"/*) ;; *) fail "the home page $homepage is not in the tree $prefix" ;; esac
    [ -s "$destdir$page" ] || fail "the home page $homepage is not installed"
    ;;
http://* | https://*)
    grep -qF "<url type=\"homepage\">$homepage</url>" "$metainfo" || fail "the metainfo does not name $homepage"
    ;;
*) fail "the home page $homepage is neither installed nor on the web" ;;
esac

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
    for f in Zel.ini data/main.bmp data/main@2x.png data/titre.bmp data/titre@2x.png zel.hlp help/zel.hlp; do
        [ -f "$dir/$f" ] || fail "$dir/$f not created"
    done
    [ -d "$dir/users" ] || fail "$dir/users not created"
    # By mode, not by access: root may write anything. The user's alone, whatever the umask.
    [ "$(stat -c %a "$dir/Zel.ini")" = 600 ] || fail "$dir/Zel.ini is not 0600"
    [ "$(stat -c %a "$dir" "$dir/users" | sort -u)" = 700 ] || fail "$dir or its users/ is not 0700"
}
umask 022

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
mkdir -m 755 "$work/custom" # made before the folder was private: tightened
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
