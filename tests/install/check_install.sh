#!/usr/bin/env bash
# Installs the build into a fresh prefix and checks the tree a desktop expects: the programs,
# the shipped files, a valid desktop entry and metainfo, the icon and the man page.
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null

status=0
for file in bin/kalder bin/kalder-tools share/kalder/puzzles.kdr \
            share/applications/org.kalder.Kalder.desktop \
            share/metainfo/org.kalder.Kalder.metainfo.xml \
            share/icons/hicolor/scalable/apps/kalder.svg share/man/man1/kalder-tools.1; do
    if [ ! -s "$prefix/$file" ]; then
        echo "missing from the install tree: $file"
        status=1
    fi
done
# The installed tools read the installed collection.
"$prefix/bin/kalder-tools" verify "$prefix/share/kalder/puzzles.kdr" >/dev/null || status=1
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$prefix/share/applications/org.kalder.Kalder.desktop" || status=1
fi
if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net --explain "$prefix/share/metainfo/org.kalder.Kalder.metainfo.xml" \
        || status=1
fi
if command -v man >/dev/null; then
    MANWIDTH=80 man --warnings -l "$prefix/share/man/man1/kalder-tools.1" 2>&1 >/dev/null \
        | grep . && status=1
fi
exit $status
