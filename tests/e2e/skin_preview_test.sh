#!/usr/bin/env bash
# pixlin-skin's preview of the default skin is what the picker shows: its checkerboard lies exactly where the
# picker's window lets the desktop through, the rest of the bitmap is the same pixels, and the boxes it outlines
# are where the picker draws its controls (the swatch, filled with the sampled desktop colour, fills its box). The
# desktop has the preview's sample colour, so the picker shows the preview's texts: the preview draws them as the
# picker does, pixel for pixel.
source "$(dirname "$0")/lib.sh"

skin_tool=${PIXLIN_SKIN_EXE:?the build gives the path of pixlin-skin.exe}
# Coral (#FF7F50), the preview's sample colour, which the default skin does not use.
root_colour=ff7f50
outline_colour=00c8ff
shots=$E2E_DIR/shots
mkdir -p "$shots"

# White where the picture has the colour rrggbb.
colour_mask() {
    convert "$1" -alpha off -fill black +opaque "#$3" -fill white -opaque "#$3" -colorspace gray "$2"
}

preview_status=0
preview_said=$(wine "$skin_tool" preview "$E2E_SKIN" "$shots/preview.png" --scale 1 </dev/null 2>&1) ||
    preview_status=$?
[ "$preview_status" -eq 0 ] && [[ $preview_said == *"preview.png ("*" at 1x); the skin has no warnings"* ]] &&
    [ -f "$shots/preview.png" ] || fail "pixlin-skin preview exited with $preview_status: $preview_said"

# The pointer rests on the desktop, so the swatch shows the desktop's colour as well.
xsetroot -solid "#$root_colour"
xdotool mousemove 20 780
install_picker
start_picker
wait_for 5 window_name_is "$PICKER_WINDOW" "X:20   Y:780" || fail "the picker did not sample at 20,780"
read -r x y width height < <(window_geometry "$PICKER_WINDOW")
read -r preview_width preview_height <<<"$(identify -format '%w %h' "$shots/preview.png")"
[ "$preview_width" -eq "$width" ] && [ "$preview_height" -eq "$height" ] ||
    fail "the preview is ${preview_width}x$preview_height, the window ${width}x$height"

# Each box the layout places, and above it the band where the preview writes the control's name, may differ.
declare -a boxes=()
draw=()
while IFS='=' read -r name values; do
    IFS=, read -r left top w h _ <<<"${values%$'\r'}"
    boxes+=("$name $left $top $w $h")
    band_width=$((w > 122 ? w : 122))
    draw+=(-draw "rectangle $left,$((top - 9)) $((left + band_width)),$((top + h))")
done < <(grep -E '^[a-z]+=[0-9]+,[0-9]+,[0-9]+,[0-9]+' "$E2E_SKIN/pixlin.dat0")
[ "${#boxes[@]}" -gt 0 ] || fail "the layout file places no control"
convert -size "${width}x$height" xc:white -fill black "${draw[@]}" -colorspace gray "$shots/plain.png"

# Outside the annotations the preview and the window differ exactly where the desktop shows through, and there the
# preview shows its checkerboard.
mismatches() {
    import -window root -crop "${width}x$height+$x+$y" +repage "$shots/window.png"
    colour_mask "$shots/window.png" "$shots/through.png" "$root_colour"
    colour_mask "$shots/preview.png" "$shots/light.png" cccccc
    colour_mask "$shots/preview.png" "$shots/dark.png" 999999
    convert "$shots/light.png" "$shots/dark.png" -compose lighten -composite "$shots/checker.png"
    compare -metric AE "$shots/preview.png" "$shots/window.png" -compose src -highlight-color white \
        -lowlight-color black "$shots/differs.png" 2>/dev/null || true
    convert "$shots/differs.png" -colorspace gray "$shots/through.png" -compose difference -composite \
        \( "$shots/through.png" \( "$shots/checker.png" -negate \) -compose darken -composite \) \
        -compose lighten -composite "$shots/plain.png" -compose darken -composite "$shots/mismatch.png"
    white_pixels "$shots/mismatch.png"
}
cut_out_matches() {
    [ "$(mismatches)" -eq 0 ]
}
wait_for 5 cut_out_matches || fail_with_shots "$(mismatches) pixels of the window differ from the preview"
through=$(white_pixels "$shots/through.png")
[ "$through" -gt 0 ] || fail "the default skin cuts nothing out to compare"

# The preview outlines every box in the window where the layout puts it.
for box in "${boxes[@]}"; do
    read -r name left top w h <<<"$box"
    right=$((left + w - 1))
    bottom=$((top + h - 1))
    [ "$right" -lt "$width" ] && [ "$bottom" -lt "$height" ] || continue
    convert "$shots/preview.png" -crop "${w}x$h+$left+$top" +repage "$shots/box.png"
    colour_mask "$shots/box.png" "$shots/box-outline.png" "$outline_colour"
    inner=$(convert "$shots/box-outline.png" -shave 1x1 -format '%[fx:int(mean*w*h+0.5)]' info:)
    edge=$(($(white_pixels "$shots/box-outline.png") - inner))
    perimeter=$((2 * (w + h) - 4))
    [ $((edge * 2)) -ge "$perimeter" ] ||
        fail_with_shots "the preview outlines only $edge of the $perimeter edge pixels of $name at $left,$top"
done

# The swatch, which shows the sampled desktop colour, fills exactly the box the layout gives it, the box the preview
# fills with its sample colour; around it the preview's names may lie over the cut-out.
read -r swatch_left swatch_top swatch_width swatch_height < <(layout_rect preview)
margin=3
colour_mask "$shots/window.png" "$shots/swatch.png" "$root_colour"
convert "$shots/swatch.png" \( "$shots/checker.png" -negate \) -compose darken -composite \
    -crop "$((swatch_width + 2 * margin))x$((swatch_height + 2 * margin))+$((swatch_left - margin))+$((swatch_top - margin))" \
    +repage "$shots/swatch.png"
swatch=$(convert "$shots/swatch.png" -trim -format '%w %h %X %Y' info: | tr -d '+')
[ "$swatch" = "$swatch_width $swatch_height $margin $margin" ] ||
    fail_with_shots "around the layout's swatch at $swatch_left,$swatch_top ${swatch_width}x$swatch_height the" \
        "window shows the sampled colour in ${swatch} (width height left top, from $((swatch_left - margin))," \
        "$((swatch_top - margin)))"
# Inside its outline and the shadow of its name the preview's swatch is one colour.
sample_fill=$(convert "$shots/preview.png" -crop "${swatch_width}x$swatch_height+$swatch_left+$swatch_top" +repage \
    -shave 2x2 -format '%k' info:)
[ "$sample_fill" -eq 1 ] || fail_with_shots "the preview's swatch box holds $sample_fill colours, not its sample fill"

# Inside each text's box, leaving out its outline, the names written above the boxes below it and the descenders of
# its own name (the names' colours), the preview and the window are the same pixels. The contrast and APCA readouts
# stay empty until a colour is copied.
if ! texts=$(/usr/bin/python3 - "$shots/preview.png" "$shots/window.png" "$E2E_SKIN/pixlin.dat0" <<'PY'
import collections
import sys
from PIL import Image

NAME_COLOURS = {(0x00, 0xC8, 0xFF), (0, 0, 0)}
UNTIL_COPIED = {"contrast", "apca"}
preview = Image.open(sys.argv[1]).convert("RGB")
window = Image.open(sys.argv[2]).convert("RGB")
boxes = {}
for line in open(sys.argv[3], encoding="ascii"):
    key, _, values = line.strip().partition("=")
    numbers = values.split(",")
    if len(numbers) == 5 and key not in ("history", "zoom"):
        boxes[key] = [int(n) for n in numbers[:4]]
bad = []
for key, (left, top, width, height) in boxes.items():
    if key in UNTIL_COPIED:
        continue
    pixels = [(x, y) for y in range(top + 1, top + height - 1) for x in range(left + 1, left + width - 1)
              if preview.getpixel((x, y)) not in NAME_COLOURS
              and not any(other != key and t - 9 <= y < t and l <= x < l + max(w, 122)
                          for other, (l, t, w, _) in boxes.items())]
    ground = collections.Counter(window.getpixel(p) for p in pixels).most_common(1)[0][0]
    inked = sum(window.getpixel(p) != ground for p in pixels)
    differ = sum(preview.getpixel(p) != window.getpixel(p) for p in pixels)
    print("%s: %d of %d pixels differ, %d inked" % (key, differ, len(pixels), inked), file=sys.stderr)
    if differ or inked < 20:
        bad.append(key)
print(len(boxes.keys() - UNTIL_COPIED) - len(bad))
sys.exit(1 if bad else 0)
PY
); then
    fail_with_shots "the preview's texts are not the picker's (see above)"
fi

esc_ends_picker "$PICKER_WINDOW" || fail "Esc did not end the program"
echo "preview ${width}x$height: $through cut-out pixels in the same places as the window's, ${#boxes[@]} boxes" \
    "outlined where the layout puts them, the swatch in its box, $texts texts as the picker draws them"
