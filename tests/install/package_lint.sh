#!/usr/bin/env bash
# Builds the Debian package of a build and holds it to what a distribution accepts: lintian with
# no error and no warning.
# Usage: package_lint.sh BUILD_DIR
set -euo pipefail
build=$1
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$out" >/dev/null
package=$(echo "$out"/coilwise_*.deb)
[ -f "$package" ] || { echo "package: no .deb was made" >&2; exit 1; }
lintian --fail-on error,warning "$package"
echo "lintian clean: $(basename "$package")"
