#!/usr/bin/env bash
# The skin: the picker takes the bitmap's size in the top right corner, its key colour is cut out
# so the screen shows through, and the readouts are drawn where the layout file puts them. Without
# its bitmap the picker wears the built-in skin, the same shape.
source "$(dirname "$0")/lib.sh"

root_colour=3f111f
skin_bitmap=$E2E_SKIN/pixlin.dat1
shots=$E2E_DIR/shots
mkdir -p "$shots"

# White where the skin bitmap has its top-left pixel's colour.
key=$(convert "$skin_bitmap" -crop 1x1+0+0 -depth 8 txt:- | tail -n 1 | grep -oE '#[0-9A-Fa-f]{6}')
convert "$skin_bitmap" -alpha off -fill black +opaque "$key" -fill white -opaque "$key" "$shots/key.png"
read -r skin_width skin_height <<<"$(identify -format '%w %h' "$skin_bitmap")"
key_pixels=$(white_pixels "$shots/key.png")
[ "$key_pixels" -gt 0 ] || fail "the skin bitmap has no key-coloured pixels to test with"

# Where the window shows the screen's colour is exactly where the bitmap has the key colour; a loupe shows the
# screen around the pointer, so its box is left out of both.
loupe_mask=()
cut_out_matches() {
    window_shot "$PICKER_WINDOW" "$shots/window.png"
    convert "$shots/window.png" -alpha off -fill black +opaque "#$root_colour" -fill white -opaque "#$root_colour" \
        "${loupe_mask[@]}" "$shots/through.png"
    convert "$shots/key.png" "${loupe_mask[@]}" "$shots/key-seen.png"
    [ "$(compare -metric AE "$shots/key-seen.png" "$shots/through.png" null: 2>&1 || true)" = 0 ]
}

expect_skinned_window_in_corner() {
    local what=$1 x y width height
    read -r x y width height < <(window_geometry "$PICKER_WINDOW")
    [ "$width" -eq "$skin_width" ] && [ "$height" -eq "$skin_height" ] ||
        fail "$what: window is ${width}x$height, the skin ${skin_width}x$skin_height"
    picker_in_corner || fail "$what: window at $x,$y is not top right"
    # The pointer rests on the panel, so the swatch does not show the screen's colour as well.
    xdotool mousemove $((x + 5)) $((y + height / 2))
    wait_for 5 cut_out_matches || fail_with_shots "$what: the key colour is not cut out exactly"
}

xsetroot -solid "#$root_colour"
xdotool mousemove 20 780
install_picker
read -r left top w h < <(layout_rect zoom)
[ -n "$h" ] || fail "the default skin has no loupe"
loupe_box="rectangle $left,$top $((left + w - 1)),$((top + h - 1))"
loupe_mask=(-fill black -draw "$loupe_box")
start_picker
expect_skinned_window_in_corner "default skin"

# Two colours differ in every readout, so between them the window changes in each readout's place and
# otherwise only in the other boxes the layout places (the swatch, the name box, the newer readouts).
read -r x y width height < <(window_geometry "$PICKER_WINDOW")
read -r swatch_left swatch_top swatch_width swatch_height < <(layout_rect preview)
swatch_x=$((x + swatch_left + swatch_width / 2))
swatch_y=$((y + swatch_top + swatch_height / 2))
# One paint draws the swatch and the readouts that a sample changed, so once the swatch shows the sampled colour
# the readouts show their new texts.
sample_and_shoot() {
    local colour
    colour=$(screen_pixel "$1" "$2")
    xdotool mousemove "$1" "$2"
    wait_for 5 window_name_is "$PICKER_WINDOW" "X:$1   Y:$2" || fail "the picker did not sample at $1,$2"
    wait_for 5 screen_pixel_is "$swatch_x" "$swatch_y" "$colour" || fail_with_shots "the swatch does not show #$colour"
    window_shot "$PICKER_WINDOW" "$3"
}
sample_and_shoot 20 780 "$shots/on-screen.png"
sample_and_shoot $((x + 5)) $((y + height / 2)) "$shots/on-panel.png"
compare -metric AE -fuzz 0 "$shots/on-screen.png" "$shots/on-panel.png" -compose src -highlight-color white \
    -lowlight-color black "$shots/changed.png" 2>/dev/null || true

readouts=(rgb hex long hls cmy cmyk ycbcr)
draw=()
declare -A places
while IFS='=' read -r name values; do
    IFS=, read -r left top w h _ <<<"${values%$'\r'}"
    places[$name]="$left $top $w $h"
    draw+=(-draw "rectangle $left,$top $((left + w - 1)),$((top + h - 1))")
done < <(grep -E '^[a-z]+=[0-9]+,[0-9]+,[0-9]+,[0-9]+' "$E2E_SKIN/pixlin.dat0" | grep -v '^zoom=')
convert -size "${width}x$height" xc:black -fill white "${draw[@]}" "$shots/places.png"
convert "$shots/places.png" -fill white -draw "$loupe_box" "$shots/allowed.png"
# White pixels of a black and white picture of the window outside the places in the given mask.
white_outside() {
    convert "$1" \( "$2" -negate \) -compose darken -composite "$shots/outside.png"
    white_pixels "$shots/outside.png"
}
stray=$(white_outside "$shots/changed.png" "$shots/allowed.png")
[ "$stray" -eq 0 ] || fail_with_shots "$stray changed pixels lie outside the layout's places"
for name in "${readouts[@]}"; do
    [ -n "${places[$name]:-}" ] || fail "the layout file does not place $name"
    read -r left top w h <<<"${places[$name]}"
    convert "$shots/changed.png" -crop "${w}x$h+$left+$top" +repage "$shots/$name.png"
    [ "$(white_pixels "$shots/$name.png")" -gt 0 ] || fail_with_shots "the $name readout does not show at ${places[$name]}"
done

esc_ends_picker "$PICKER_WINDOW" || fail "Esc did not end the program"

# The built-in skin is the default skin's bitmap, so without the file the shape is the same.
remove_data_file pixlin.dat1
xdotool mousemove 20 780
start_picker
expect_skinned_window_in_corner "without pixlin.dat1"
esc_ends_picker "$PICKER_WINDOW" || fail "Esc did not end the program"

# Without its zoom line the skin has no loupe: the window is the bitmap exactly, the loupe's box included.
install_picker
sed -i '/^zoom=/d' "$PICKER_DIR/pixlin.dat0"
loupe_mask=()
xdotool mousemove 20 780
start_picker
expect_skinned_window_in_corner "without a zoom line"
# Outside the boxes the layout places every pixel is the bitmap's, the screen's where the key colour is.
window_shot "$PICKER_WINDOW" "$shots/no-zoom.png"
convert "$skin_bitmap" -alpha off -fill "#$root_colour" -opaque "$key" "$shots/bitmap.png"
compare -metric AE -fuzz 0 "$shots/bitmap.png" "$shots/no-zoom.png" -compose src -highlight-color white \
    -lowlight-color black "$shots/unlike.png" 2>/dev/null || true
unlike=$(white_outside "$shots/unlike.png" "$shots/places.png")
[ "$unlike" -eq 0 ] || fail_with_shots "without a zoom line: $unlike pixels outside the readouts differ from the bitmap"
esc_ends_picker "$PICKER_WINDOW" || fail "Esc did not end the program"

echo "skin ${skin_width}x$skin_height top right, $key_pixels key pixels cut out, readouts and loupe in their places;" \
    "the built-in skin without pixlin.dat1; without a zoom line the bitmap exactly"
