#!/usr/bin/env bash
# Installs the build into a fresh prefix and checks the tree a desktop expects: the programs
# in GAMESDIR, the shipped files in GAMEDATADIR, a valid desktop entry and metainfo, the icon,
# the man pages and the package documents.
set -euo pipefail
build=$1
games=$2
game_data=$3
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null

status=0
for file in "$games/kalder" "$games/kalder-tools" "$game_data/puzzles.kdr" \
            "$game_data/all.col" "$game_data/kalder.htm" \
            share/applications/org.kalder.Kalder.desktop \
            share/metainfo/org.kalder.Kalder.metainfo.xml \
            share/icons/hicolor/scalable/apps/kalder.svg \
            share/man/man6/kalder.6.gz share/man/man6/kalder-tools.6.gz \
            share/doc/kalder/copyright share/doc/kalder/changelog.gz; do
    if [ ! -s "$prefix/$file" ]; then
        echo "missing from the install tree: $file"
        status=1
    fi
done
# The installed tools read the installed collection.
"$prefix/$games/kalder-tools" verify "$prefix/$game_data/puzzles.kdr" >/dev/null || status=1
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$prefix/share/applications/org.kalder.Kalder.desktop" || status=1
fi
if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net --explain "$prefix/share/metainfo/org.kalder.Kalder.metainfo.xml" \
        || status=1
fi
if command -v man >/dev/null; then
    for page in kalder kalder-tools; do
        MANWIDTH=80 man --warnings -l "$prefix/share/man/man6/$page.6.gz" 2>&1 >/dev/null \
            | grep . && status=1
    done
fi
exit $status
