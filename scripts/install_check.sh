#!/bin/sh
# Installs a built tree into a temporary prefix and checks what a user and
# a software centre see there: both programs start from it, a chart is
# computed from the installed seed home, the desktop entry and the AppStream
# metadata validate, the manual pages are in place.
# Usage: install_check.sh BUILD_DIR
set -e
build="$1"
prefix="$(mktemp -d)"
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
for f in bin/quintara bin/quintara-cli share/applications/quintara.desktop \
         share/icons/hicolor/scalable/apps/quintara.svg share/metainfo/org.quintara.quintara.metainfo.xml \
         share/man/man1/quintara.1 share/man/man1/quintara-cli.1 share/quintara/home; do
    [ -e "$prefix/$f" ] || { echo "missing after install: $f"; exit 1; }
done
"$prefix/bin/quintara" --version
"$prefix/bin/quintara-cli" --version
QUINTARA_HOME="$prefix/home" "$prefix/bin/quintara-cli" positions --date 1990-05-17 --time 14:30 \
    --place Paris --zone auto | grep -q "Placidus"
desktop-file-validate "$prefix/share/applications/quintara.desktop"
appstreamcli validate --no-net "$prefix/share/metainfo/org.quintara.quintara.metainfo.xml"
echo "install check passed"
