#!/usr/bin/env bash
# pixlin-skin.exe under Wine on a skin in a folder with a non-ASCII name: the folder is found, its traps are
# reported, and the preview is written beside them.
set -euo pipefail

tool=$1
skin=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
folder="$scratch/Skin ü 表"
mkdir -p "$folder"
cp "$skin"/pixlin.dat0 "$skin"/pixlin.dat1 "$skin"/pixlin.dat2 "$folder"
printf 'RGB=1,2,3,4,5\r\n' >>"$folder/pixlin.dat0"
trap_line=$(wc -l <"$folder/pixlin.dat0")

status=0
report=$(wine "$tool" check "$folder" </dev/null 2>&1) || status=$?
[ "$status" -eq 1 ] || { echo "FAIL: exit $status, expected 1 (warnings)"; echo "$report"; exit 1; }
grep -q "^pixlin.dat0:$trap_line: warning: \"RGB\" is not the key \"rgb\"" <<<"$report" || { echo "FAIL: no key finding"; echo "$report"; exit 1; }
grep -q 'Skin ü 表: 0 errors, 1 warning' <<<"$report" || { echo "FAIL: summary"; echo "$report"; exit 1; }

status=0
wine "$tool" preview "$folder" "$folder/vorschau ü.png" --scale 1.5 </dev/null || status=$?
[ "$status" -eq 1 ] || { echo "FAIL: preview exit $status"; exit 1; }
size=$(identify -format '%wx%h' "$folder/vorschau ü.png")
expected=$(identify -format '%[fx:round(w*3/2)]x%[fx:round(h*3/2)]' "$skin/pixlin.dat1")
[ "$size" = "$expected" ] || { echo "FAIL: preview is $size, expected $expected"; exit 1; }
echo "ok"
