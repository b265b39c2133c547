#!/usr/bin/env bash
# Packs the build as a .deb in a fresh folder and runs lintian over it: any error or warning
# fails; the pedantic and informational notes are shown for the reader.
set -euo pipefail
build=$1
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$out" >/dev/null
lintian --fail-on error,warning --pedantic --display-info "$out"/kalder_*.deb
