#!/usr/bin/env bash
# The colours' menu from the keyboard with the real program: Shift+F10 (once the menu key) and each item's letter pin
# the current colour, make it the text colour, export the history through the system's Save dialog (a path typed,
# Return) and turn keeping on; after a restart the pinned colour and the text colour are back; turned off, the file
# stays as it was.
source "$(dirname "$0")/lib.sh"

appdata=$(winepath -u "$(wine cmd /c echo %APPDATA% 2>/dev/null </dev/null | tr -d '\r')")
kept="$appdata/Pixlin/colours.json"
forget_kept_colours() {
    wine reg delete 'HKCU\Software\Pixlin' /f >/dev/null 2>&1 </dev/null || true
    rm -rf "$appdata/Pixlin"
}
# Whatever happens, the next test finds keeping off and no file.
trap 'forget_kept_colours; e2e_cleanup' EXIT
forget_kept_colours

# The pinned swatch shows the colour, with the pin's mark (white on a dark colour) in its top-left corner.
expect_pinned_first() {
    local cx cy lx ly
    read -r cx cy lx ly < <(history_swatch 0)
    wait_for 5 screen_pixel_is "$cx" "$cy" 336699 || fail "$1: the first swatch is $(screen_pixel "$cx" "$cy"), not 336699"
    screen_pixel_is $((lx + 1)) $((ly + 1)) ffffff || fail "$1: no pin mark on the first swatch"
}

# The contrast readout as a click copies it, with the current colour the white under the pointer at X,100: sampling
# freezes there first, or the pointer on its way to the readout would make the window itself the current colour.
contrast_over_white() {
    xdotool mousemove "$1" 100
    wait_for 5 window_name_is "$PICKER_WINDOW" "X:$1   Y:100" || fail "the caption did not follow the pointer"
    press_hotkey
    click_control contrast
    wait_for 5 clipboard_matches "$2" || fail "$3: the contrast reads '$(clipboard_text)'"
    press_hotkey
}
clipboard_matches() {
    [[ "$(clipboard_text)" =~ $1 ]]
}

install_picker
xsetroot -solid '#336699'
start_picker
xdotool mousemove 100 100
wait_for 5 window_name_is "$PICKER_WINDOW" "X:100   Y:100" || fail "the caption did not follow the pointer"

choose_from_colour_menu p
expect_pinned_first "pinned from the menu"
choose_from_colour_menu t
xsetroot -solid '#ffffff'
contrast_over_white 101 '^5\.99:1 AA · text set$' "the text colour set"

exported="$E2E_DIR/exported.gpl"
press_keys "$PICKER_WINDOW" shift+F10
wait_for 5 picker_menu_shown || fail "Shift+F10 opened no menu"
xdotool key e
wait_for 10 window_named '^Export colours$' || fail "Export opened no Save dialog"
# The file name field has the focus, its suggestion selected: typing replaces it.
wait_for 5 focus_window "$FOUND_WINDOW" || fail "the Save dialog does not take the focus"
xdotool type --delay 5 "$(winepath -w "$exported")"
xdotool key Return
wait_for 10 test -s "$exported" || fail "the Save dialog wrote no $exported"
grep -q $'^ 51 102 153\t' "$exported" || fail "the exported palette lacks #336699: $(cat "$exported")"
[ ! -e "$kept" ] || fail "a kept colours file before keeping was turned on"

choose_from_colour_menu k
wait_for 5 test -s "$kept" || fail "keeping turned on wrote no $kept"
grep -q '"#336699"' "$kept" || fail "the kept file lacks the pinned colour: $(cat "$kept")"
esc_ends_picker "$PICKER_WINDOW" || fail "Esc did not end the program"

start_picker
expect_pinned_first "after a restart"
contrast_over_white 102 '^5\.99:1 AA · text set$' "the text colour after a restart"

# Off again, this time from the menu key: a copy (the click on hex) changes the history, not the file.
cp "$kept" "$E2E_DIR/kept-before"
choose_from_colour_menu k Menu
click_control hex
wait_for 5 clipboard_matches "^'#[0-9A-F]{6}'$" || fail "the hex readout copied '$(clipboard_text)'"
esc_ends_picker "$PICKER_WINDOW" || fail "Esc did not end the program"
cmp -s "$kept" "$E2E_DIR/kept-before" || fail "the kept file changed after keeping was turned off"
[ "$(ls "$appdata/Pixlin")" = colours.json ] || fail "other files beside the kept one: $(ls "$appdata/Pixlin")"
echo "pinned, text colour set, exported through the Save dialog and kept across a restart, from the keyboard"
