#!/usr/bin/env bash
# The release zip holds exactly the program, the default skin, the README and the licence, and the picker starts
# from a fresh folder it was unpacked into.
source "$(dirname "$0")/lib.sh"

root=$(cd "$E2E_SKIN/.." && pwd)
zip_file="$E2E_DIR/pixlin-3.0-win64.zip"
bash "$root/scripts/release.sh" "$E2E_EXE" "$zip_file" >/dev/null || fail "the release script failed"

expected=$(printf '%s\n' LICENSE README.md pixlin.dat0 pixlin.dat1 pixlin.dat2 pixlin.exe)
listed=$(unzip -Z1 "$zip_file" | sort)
[ "$listed" = "$expected" ] || fail "the zip holds: $(echo $listed)"

use_picker_folder unpacked
unzip -q "$zip_file" -d "$PICKER_DIR"
cmp -s "$PICKER_DIR/pixlin.exe" "$E2E_EXE" || fail "the zip's pixlin.exe is not the one built"
for file in pixlin.dat0 pixlin.dat1 pixlin.dat2; do
    cmp -s "$PICKER_DIR/$file" "$E2E_SKIN/$file" || fail "the zip's $file is not the default skin's"
done

start_picker
xdotool mousemove 333 444
wait_for 5 window_name_is "$PICKER_WINDOW" "X:333   Y:444" ||
    fail "caption is '$(window_name "$PICKER_WINDOW")' with the pointer at 333,444"
! window_named '^[0-9]+$' || fail "start-up reported error $(window_name "$FOUND_WINDOW")"
press_keys "$PICKER_WINDOW" Escape
wait_for 10 picker_gone || fail "Esc did not end the program"
echo "$(unzip -Z1 "$zip_file" | wc -l) files in the zip; the unpacked picker followed the pointer and Esc ended it"
