#!/usr/bin/env bash
# The generator of the default skin and the icon makes exactly the committed files: run into a scratch folder, its
# output matches them byte for byte.
set -euo pipefail

python=$1
root=$2
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

"$python" "$root/skin/make_skin.py" "$out"
status=0
for row in "pixlin.dat0 skin/pixlin.dat0" "pixlin.dat1 skin/pixlin.dat1" "pixlin.dat2 skin/pixlin.dat2" "builtin.bmp skin/builtin.bmp" \
    "pixlin.ico src/app/pixlin.ico"; do
    read -r made committed <<<"$row"
    if cmp "$out/$made" "$root/$committed"; then
        echo "$committed: identical ($(stat -c %s "$out/$made") bytes)"
    else
        echo "FAIL: $committed differs from what skin/make_skin.py makes"
        status=1
    fi
done
exit "$status"
