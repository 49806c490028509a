#!/usr/bin/env bash
# Packs the release zip: pixlin.exe, the skin checker pixlin-skin.exe, the default skin's three files, the README
# and the licence, all at the top of the archive, so that unpacking anywhere gives a folder the picker starts from.
#
#     bash scripts/release.sh                               # builds with the windows preset, writes
#                                                           # build/pixlin-3.0-win64.zip
#     bash scripts/release.sh PIXLIN_EXE PIXLIN_SKIN_EXE ZIP  # packs already built programs into ZIP
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
version_header="$root/src/core/texts/version.h"
major=$(awk '/#define PIXLIN_VERSION_MAJOR/ {print $3}' "$version_header")
minor=$(awk '/#define PIXLIN_VERSION_MINOR/ {print $3}' "$version_header")

if [ $# -eq 0 ]; then
    bash "$root/scripts/install-deps.sh"
    (cd "$root" && cmake --preset windows >/dev/null &&
        cmake --build --preset windows --target pixlin pixlin-skin -j "$(nproc)")
    exe="$root/build/windows/src/app/pixlin.exe"
    skin_exe="$root/build/windows/src/skintool/pixlin-skin.exe"
    zip_file="$root/build/pixlin-$major.$minor-win64.zip"
elif [ $# -eq 3 ]; then
    exe=$1
    skin_exe=$2
    zip_file=$3
else
    echo "usage: $0 [PIXLIN_EXE PIXLIN_SKIN_EXE ZIP]" >&2
    exit 2
fi

staging=$(mktemp -d)
trap 'rm -rf "$staging"' EXIT
cp "$exe" "$staging/pixlin.exe"
cp "$skin_exe" "$staging/pixlin-skin.exe"
cp "$root/skin/pixlin.dat0" "$root/skin/pixlin.dat1" "$root/skin/pixlin.dat2" "$staging/"
cp "$root/README.md" "$root/LICENSE" "$staging/"

zip_file=$(realpath -m "$zip_file")
mkdir -p "$(dirname "$zip_file")"
rm -f "$zip_file"
# -X leaves out the Unix owners and extra times, which mean nothing on Windows.
(cd "$staging" && zip -q -X "$zip_file" pixlin.exe pixlin-skin.exe pixlin.dat0 pixlin.dat1 pixlin.dat2 README.md LICENSE)
echo "$zip_file"
