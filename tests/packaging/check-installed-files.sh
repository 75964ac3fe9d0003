#!/usr/bin/env bash
# Installs into a scratch folder and validates what a desktop reads there.
#   check-installed-files.sh BUILD_DIR APP_ID VERSION
set -euo pipefail
build=$1 id=$2 version=$3
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

cmake --install "$build" --prefix "$scratch/usr" >/dev/null
share=$scratch/usr/share

desktop-file-validate "$share/applications/$id.desktop"
appstreamcli validate --no-net "$share/metainfo/$id.metainfo.xml"

grep -qx "Name=Тренировка за очите" "$share/applications/$id.desktop" || { echo "the menu entry has no Bulgarian name"; exit 1; }
grep -qx "Icon=$id" "$share/applications/$id.desktop" || { echo "the menu entry names another icon"; exit 1; }
identify -format '%w x %h, %[type]\n' "$share/icons/hicolor/32x32/apps/$id.png" | grep -q '^32 x 32, Palette' \
    || { echo "the installed icon is not a 32 x 32 palette image"; exit 1; }
[ -x "$scratch/usr/bin/eye-trainer" ] || { echo "no program in bin/"; exit 1; }
# The manual pages, English and Bulgarian, render without complaint.
for page in man1 bg/man1; do
    warnings=$(zcat "$share/man/$page/eye-trainer.1.gz" | LC_ALL=C.UTF-8 groff -k -man -Tutf8 -ww -z 2>&1)
    [ -z "$warnings" ] || { echo "manual page $page: $warnings"; exit 1; }
    zcat "$share/man/$page/eye-trainer.1.gz" | head -n1 | grep -qF "\"eye-trainer $version\"" || { echo "the manual page $page names another version"; exit 1; }
done
grep -q "<id>$id</id>" "$share/metainfo/$id.metainfo.xml" || { echo "the metadata names another id"; exit 1; }
echo "installed files: valid"
