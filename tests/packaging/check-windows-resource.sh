#!/usr/bin/env bash
# Compiles the Windows resource script with the MinGW resource compiler and
# reads the version record and the icon back out of the compiled resource.
#   check-windows-resource.sh RC_FILE ICO_FILE NUMERIC_VERSION SHOWN_VERSION
set -euo pipefail
rc=$1 ico=$2
IFS=. read -r major minor patch <<<"$3"
shown=${4//./\\.}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

windres=x86_64-w64-mingw32-windres
# The host's C preprocessor stands in for the MinGW compiler's.
"$windres" --preprocessor=cpp --preprocessor-arg=-xc --preprocessor-arg=-DRC_INVOKED --input "$rc" --output-format res --output "$scratch/eye-trainer.res"
"$windres" --input "$scratch/eye-trainer.res" --output-format rc --output "$scratch/decompiled.rc"
text=$(tr -d '\r' <"$scratch/decompiled.rc")

expect() {
    grep -qiE -- "$1" <<<"$text" || { echo "the compiled resource lacks: $1"; echo "$text" | grep -v "^ *0x\|^ *'" | head -40; exit 1; }
}
expect "FILEVERSION +$major, *$minor, *$patch, *0"
expect "PRODUCTVERSION +$major, *$minor, *$patch, *0"
expect 'BLOCK "040904b0"'
expect "VALUE \"FileVersion\", \"$shown\""
expect "VALUE \"ProductVersion\", \"$shown\""
expect 'VALUE "CompanyName", "[^"]+'
expect 'VALUE "LegalCopyright", "[^"]+'
expect 'VALUE "ProductName", "[^"]+'
expect 'VALUE "OriginalFilename", "eye-trainer\.exe'
expect 'VALUE "Translation", 0x409, 1200'
expect 'RT_GROUP_ICON'
expect '"\\040\\040\\000\\000", 1, 8,' # one 32 x 32 image, 8 bits per pixel

# The icon's image, past its 22-byte directory, lies in the resource as is.
image=$(tail -c +23 "$ico" | xxd -p | tr -d '\n')
xxd -p "$scratch/eye-trainer.res" | tr -d '\n' | grep -q "$image" || { echo "the compiled resource does not hold the icon"; exit 1; }
echo "version record and icon: as expected"
