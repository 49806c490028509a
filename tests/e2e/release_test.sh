#!/usr/bin/env bash
# The release zip holds exactly the program, the skin checker, the default skin, the README and the licence; the
# picker starts from a fresh folder it was unpacked into, and the checker finds the unpacked skin clean.
source "$(dirname "$0")/lib.sh"

root=$(cd "$E2E_SKIN/.." && pwd)
zip_file="$E2E_DIR/pixlin-3.0-win64.zip"
skin_exe=${PIXLIN_SKIN_EXE:?the build gives the path of pixlin-skin.exe}
bash "$root/scripts/release.sh" "$E2E_EXE" "$skin_exe" "$zip_file" >/dev/null || fail "the release script failed"

expected=$(printf '%s\n' LICENSE README.md pixlin-skin.exe pixlin.dat0 pixlin.dat1 pixlin.dat2 pixlin.exe)
listed=$(unzip -Z1 "$zip_file" | sort)
[ "$listed" = "$expected" ] || fail "the zip holds: $(echo $listed)"

use_picker_folder unpacked
unzip -q "$zip_file" -d "$PICKER_DIR"
cmp -s "$PICKER_DIR/pixlin.exe" "$E2E_EXE" || fail "the zip's pixlin.exe is not the one built"
cmp -s "$PICKER_DIR/pixlin-skin.exe" "$skin_exe" || fail "the zip's pixlin-skin.exe is not the one built"
for file in pixlin.dat0 pixlin.dat1 pixlin.dat2; do
    cmp -s "$PICKER_DIR/$file" "$E2E_SKIN/$file" || fail "the zip's $file is not the default skin's"
done

check_status=0
check_report=$(cd "$PICKER_DIR" && wine ./pixlin-skin.exe check . 2>&1) || check_status=$?
[ "$check_status" -eq 0 ] || fail "pixlin-skin.exe check . exited with $check_status: $check_report"

start_picker
xdotool mousemove 333 444
wait_for 5 window_name_is "$PICKER_WINDOW" "X:333   Y:444" ||
    fail "caption is '$(window_name "$PICKER_WINDOW")' with the pointer at 333,444"
! window_named '^[0-9]+$' || fail "start-up reported error $(window_name "$FOUND_WINDOW")"
esc_ends_picker "$PICKER_WINDOW" || fail "Esc did not end the program"
echo "$(unzip -Z1 "$zip_file" | wc -l) files in the zip; the unpacked skin checks clean; the unpacked picker" \
    "followed the pointer and Esc ended it"
