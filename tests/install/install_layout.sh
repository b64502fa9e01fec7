#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks what a desktop needs: the program runs from
# there and finds its help, the desktop entry and the MIME type are valid, every icon is in place.
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
echo "installed layout OK"
