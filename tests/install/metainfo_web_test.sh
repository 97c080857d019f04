#!/usr/bin/env bash
# The metainfo of a build that names a web home page, a contact and the web
# folder of the screenshots (ZEL_HOMEPAGE, ZEL_CONTACT, ZEL_SCREENSHOTS_URL):
# written by the same script as the build's, valid for appstreamcli, with the
# README's three screenshots and their captions in English and French.
#   metainfo_web_test.sh SOURCE_DIR WORK_DIR VERSION
set -euo pipefail
source=$1
work=$2
version=$3

fail() { echo "FAIL: $*" >&2; exit 1; }
command -v appstreamcli >/dev/null || { echo "skipped: appstreamcli not installed (scripts/zel.sh installs it)"; exit 77; }

rm -rf "$work"
mkdir -p "$work"
cmake -DZEL_HOMEPAGE_URL=https://zel.example.org/manager/ -DZEL_HOMEPAGE_IS_WEB=ON \
    -DZEL_CONTACT=contact@zel.example.org -DZEL_SCREENSHOTS_URL=https://zel.example.org/manager/docs/ \
    -DZEL_VERSION="$version" -DZEL_RELEASE_DATE=2026-12-06 -DZEL_METAINFO_DIR="$work" \
    -P "$source/packaging/make_metainfo.cmake"
metainfo=$(find "$work" -name '*.metainfo.xml')
[ -f "$metainfo" ] || fail "no metainfo written"
appstreamcli validate --no-net "$metainfo" || fail "appstreamcli refuses $metainfo"

grep -qF '<url type="homepage">https://zel.example.org/manager/</url>' "$metainfo" || fail "home page not listed"
grep -qF '<update_contact>contact@zel.example.org</update_contact>' "$metainfo" || fail "contact not listed"
pictures=$(grep -cE '!\[[^]]+\]\(docs/[a-z0-9-]+\.png\)' "$source/README.md")
[ "$(grep -c '<screenshot[ >]' "$metainfo")" = "$pictures" ] || fail "not the README's $pictures screenshots"
[ "$(grep -c '<screenshot type="default">' "$metainfo")" = 1 ] || fail "not one default screenshot"
# Each README picture, with its caption in the README and a French one.
grep -oE '!\[[^]]+\]\(docs/[a-z0-9-]+\.png\)' "$source/README.md" | while IFS= read -r picture; do
    caption=$(echo "$picture" | sed -E 's/^!\[(.*)\]\(.*$/\1/')
    name=$(echo "$picture" | sed -E 's/^.*\(docs\/(.*)\)$/\1/')
    grep -qF "<caption>$caption</caption>" "$metainfo" || fail "no caption \"$caption\""
    grep -qF "<image>https://zel.example.org/manager/docs/$name</image>" "$metainfo" || fail "no picture $name"
done
[ "$(grep -c '<caption xml:lang="fr">' "$metainfo")" = "$pictures" ] || fail "not $pictures French captions"
echo "metainfo with a web home page: ok"
