#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks what a desktop needs: the program runs from
# there and finds its help, the desktop entry, the MIME type and the AppStream metadata are valid,
# every icon is in place, and the licence, changelog and manual page a distribution asks for are there.
# A release build carries no path of the tree it was built from: it finds its help from its own folder.
# (Sanitizer builds name their sources for their reports.)
# Usage: install_layout.sh BUILD_DIR VERSION SOURCE_DIR BUILD_TYPE
set -euo pipefail
build=$1
version=$2
source=$3
build_type=$4
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

fail() { echo "install: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" >/dev/null

[ "$("$prefix/bin/coilwise" --version)" = "coilwise $version" ] || fail "the installed program does not report $version"
[ -s "$prefix/share/coilwise/help/index.html" ] || fail "no help beside the program"
if [ "$build_type" = Release ] && strings "$prefix/bin/coilwise" | grep -qF -e "$source" -e "$build"; then
    fail "the program carries a path of the tree it was built in"
fi
ls "$prefix"/share/coilwise/examples/*.cwf >/dev/null || fail "no example designs"

desktop-file-validate "$prefix/share/applications/coilwise.desktop"
grep -qx 'MimeType=application/x-coilwise-design;' "$prefix/share/applications/coilwise.desktop" ||
    fail "the desktop entry does not open design files"
grep -q 'type="application/x-coilwise-design"' "$prefix/share/mime/packages/coilwise.xml" || fail "no MIME type"
grep -q '<glob pattern="\*.cwf"/>' "$prefix/share/mime/packages/coilwise.xml" || fail "the MIME type misses *.cwf"

for size in 16 22 24 32 48 64 128 256; do
    [ -s "$prefix/share/icons/hicolor/${size}x${size}/apps/coilwise.png" ] || fail "no ${size}px icon"
done
[ -s "$prefix/share/icons/hicolor/scalable/apps/coilwise.svg" ] || fail "no scalable icon"
metainfo="$prefix/share/metainfo/coilwise.metainfo.xml"
appstreamcli validate --no-net "$metainfo"
grep -q '<launchable type="desktop-id">coilwise.desktop</launchable>' "$metainfo" ||
    fail "the AppStream metadata does not name the desktop entry"
grep -q '<mediatype>application/x-coilwise-design</mediatype>' "$metainfo" ||
    fail "the AppStream metadata does not provide the design MIME type"
grep -q "<release version=\"$version\"" "$metainfo" || fail "the AppStream metadata misses release $version"

doc="$prefix/share/doc/coilwise"
grep -qx 'License: GPL-3+' "$doc/copyright" || fail "the copyright file names no GPL-3+ licence"
grep -q 'either version 3 of the License, or' "$doc/copyright" || fail "the copyright file misses the licence notice"
zcat "$doc/changelog.gz" | head -1 | grep -q "^coilwise ($version) " || fail "the changelog does not start at $version"
man_page=$(zcat "$prefix/share/man/man1/coilwise.1.gz") || fail "no manual page"
grep -q -- '--calc' <<<"$man_page" || fail "the manual page does not describe --calc"
echo "installed layout OK"
