#!/usr/bin/env bash
# Windows looks for a DLL that is not one of its known system DLLs in the program's folder first. Wine prefers its
# own DLLs, but told to prefer DLLs found on disk it searches the same way. So told, the picker must never load a
# DLL planted in its folder under the name of one it uses: not at start, not for its window and controls, not to
# decode the skin bitmap, not to play the click sound.
source "$(dirname "$0")/lib.sh"

[ -f "${PLANTED_DLL:-}" ] || fail "PLANTED_DLL names no DLL to plant: '${PLANTED_DLL:-}'"
planted=(winmm msacm32 uxtheme comctl32 oleaut32 propsys shcore shlwapi windowscodecs)

install_picker
for name in "${planted[@]}"; do
    cp "$PLANTED_DLL" "$PICKER_DIR/$name.dll"
done
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-};$(IFS=,; echo "${planted[*]}")=n,b"

expect_none_loaded() {
    local loaded
    loaded=$(cd "$PICKER_DIR" && ls -- *.loaded 2>/dev/null | sed 's/\.loaded$//' || true)
    [ -z "$loaded" ] || fail "$1: DLLs loaded from the program's folder: $(echo $loaded)"
}

IFS='|' read -r colour rgb < <(reference_colours colour rgb)
xsetroot -solid "#$colour"
xdotool mousemove 600 400
start_picker
expect_none_loaded "at start"
wait_for 5 window_name_is "$PICKER_WINDOW" "X:600   Y:400" || fail "caption did not follow the pointer to 600,400"
start_clock
# A readout click plays the click sound.
press_hotkey
wait_for_freeze "$PICKER_WINDOW" 600 401 || fail "Ctrl+F12 did not freeze the sampling"
click_control rgb
wait_for 3 clipboard_is "$rgb" || fail "a click on rgb copied '$(clipboard_text)', not '$rgb'"
# The sound plays after the copy; sampling again shows that the picker is through with it.
expect_sampling_resumes 600 402
expect_none_loaded "after a readout click"
picker_running || fail "the picker ended"
stop_clock
esc_ends_picker "$PICKER_WINDOW" || fail "Esc did not end the program"
expect_none_loaded "at the end"

# A PNG skin is decoded by the imaging component, which COM loads. Cut smaller than the built-in skin, its size
# tells that it was loaded.
convert "$E2E_SKIN/pixlin.dat1" -crop 280x220+0+0 +repage "png:$PICKER_DIR/pixlin.dat1"
start_picker
read -r _ _ width height < <(window_geometry "$PICKER_WINDOW")
[ "${width}x$height" = 280x220 ] || fail "the PNG skin did not load: the window is ${width}x$height"
esc_ends_picker "$PICKER_WINDOW" || fail "Esc did not end the program with the PNG skin"
expect_none_loaded "with a PNG skin"
echo "${#planted[@]} planted DLLs stayed unloaded through start, sampling, a readout click, Esc and a PNG skin"
