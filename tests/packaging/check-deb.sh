#!/usr/bin/env bash
# Builds the Debian package into a scratch folder and reads it without
# installing it: its files, its fields, lintian's verdict, and what a
# desktop reads of it once installed.
#   check-deb.sh BUILD_DIR APP_ID VERSION
set -euo pipefail
build=$1 id=$2 version=$3
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

cpack --config "$build/CPackConfig.cmake" -B "$scratch" >/dev/null
deb=$(ls "$scratch"/eye-trainer_"$version"_*.deb)

expected="./usr/bin/eye-trainer
./usr/share/applications/$id.desktop
./usr/share/doc/eye-trainer/changelog.gz
./usr/share/doc/eye-trainer/copyright
./usr/share/icons/hicolor/32x32/apps/$id.png
./usr/share/man/bg/man1/eye-trainer.1.gz
./usr/share/man/man1/eye-trainer.1.gz
./usr/share/metainfo/$id.metainfo.xml"
files=$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print $6}' | sort)
if [ "$files" != "$expected" ]; then
    echo "the package holds other files than expected:"
    diff <(echo "$expected") <(echo "$files") || true
    exit 1
fi

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = eye-trainer ] || { echo "Package: $(field Package)"; exit 1; }
[ "$(field Version)" = "$version" ] || { echo "Version: $(field Version)"; exit 1; }
[ -n "$(field Section)" ] && [ -n "$(field Maintainer)" ] && [ -n "$(field Description)" ] \
    || { echo "a control field is missing"; exit 1; }
depends=$(field Depends)
# Debian 13 names the Qt libraries for their 64-bit time (t64).
for needed in fonts-liberation2 "libqt6widgets6(t64)?" "libqt6gui6(t64)?" "libqt6core6(t64)?" libc6; do
    grep -qE "(^|, )$needed( |,|$)" <<<"$depends" || { echo "Depends lacks $needed: $depends"; exit 1; }
done

dpkg -x "$deb" "$scratch/root"
file -b "$scratch/root/usr/bin/eye-trainer" | grep -q 'ELF.*stripped' || { echo "the program is not a stripped ELF executable"; exit 1; }
# It links system libraries only and searches no paths of its own.
! readelf -d "$scratch/root/usr/bin/eye-trainer" | grep -qE 'RPATH|RUNPATH' || { echo "the program carries a library search path"; exit 1; }
[ "$(stat -c %a "$scratch/root/usr/share/doc/eye-trainer/copyright")" = 644 ] || { echo "copyright file mode"; exit 1; }

status=0
# Its own scratch files go into ours.
report=$(TMPDIR=$scratch lintian --fail-on error "$deb" 2>&1) || status=$?
grep -v 'running with root privileges' <<<"$report" || true
[ $status = 0 ] || { echo "lintian reports errors"; exit 1; }

share=$scratch/root/usr/share
desktop-file-validate "$share/applications/$id.desktop"
appstreamcli validate --no-net "$share/metainfo/$id.metainfo.xml"
grep -qx "Name=Тренировка за очите" "$share/applications/$id.desktop" || { echo "the menu entry has no Bulgarian name"; exit 1; }
grep -qx "Icon=$id" "$share/applications/$id.desktop" || { echo "the menu entry names another icon"; exit 1; }
grep -q "<id>$id</id>" "$share/metainfo/$id.metainfo.xml" || { echo "the metadata names another id"; exit 1; }
# The manual pages, English and Bulgarian, render without complaint.
for page in man1 bg/man1; do
    warnings=$(zcat "$share/man/$page/eye-trainer.1.gz" | LC_ALL=C.UTF-8 groff -k -man -Tutf8 -ww -z 2>&1)
    [ -z "$warnings" ] || { echo "manual page $page: $warnings"; exit 1; }
    zcat "$share/man/$page/eye-trainer.1.gz" | head -n1 | grep -qF "\"eye-trainer $version\"" || { echo "the manual page $page names another version"; exit 1; }
done
echo "package: $(basename "$deb") as expected"
