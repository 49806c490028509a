#!/usr/bin/env bash
# The loupe over a screen whose every pixel has a colour of its own: each cell shows exactly its pixel, live and
# frozen, with a hatch beyond the screen's edge; a click on a cell picks that pixel for the caption and the readouts,
# the arrow keys walk the pick and the view follows it up to the edge of the frozen picture, the wheel changes the
# cell size, and Ctrl+F12 again lets the loupe follow the pointer once more. The zoom box and factor are the skin's.
source "$(dirname "$0")/lib.sh"

cells=$(dirname "$0")/loupe_cells.py
shots=$E2E_DIR/shots
mkdir -p "$shots"
install_picker
read -r zoom_left zoom_top zoom_width zoom_height factor < <(layout_values zoom)
[ -n "$zoom_height" ] || fail "the skin places no loupe (no zoom line in its layout file)"
zoom_box=$zoom_left,$zoom_top,$zoom_width,$zoom_height
[ "${factor:-0}" -ge 2 ] && [ "$factor" -le 32 ] || factor=8

# Cells across or down the box at a factor: whole ones, made odd.
cell_count() {
    local count=$(($1 / $2))
    echo $((count % 2 == 0 ? count - 1 : count))
}

read -r screen_width screen_height < <(xdotool getdisplaygeometry)
python3 "$cells" picture "$screen_width" "$screen_height" >"$E2E_DIR/screen.ppm"
# display exits with 1 even when it has set the picture; the pixel read back below decides.
display -window root "$E2E_DIR/screen.ppm" || true
probe_x=$((screen_width / 2 + 37))
probe_y=$((screen_height - 23))
wait_for 10 screen_pixel_is "$probe_x" "$probe_y" "$(python3 "$cells" colour "$probe_x" "$probe_y")" ||
    fail "the screen does not show the test picture"

start_picker
start_clock
read -r window_x window_y window_width _ < <(window_geometry "$PICKER_WINDOW")
picker_in_corner || fail "the window is not top right"

# Whether the loupe shows the pixel X,Y in its middle cell at a factor (optionally: and beyond the screen no longer
# what it showed in the raw screenshot BEFORE).
loupe_shows() {
    window_shot "$PICKER_WINDOW" "$shots/window.png"
    convert "$shots/window.png" -depth 8 "rgb:$shots/window.rgb"
    python3 "$cells" check "$shots/window.rgb" "$window_width" "$screen_width" "$screen_height" "$zoom_box" "$3" \
        "$1" "$2" ${4:+"$4"} >"$shots/cells.txt"
}

expect_loupe() {
    local what=$1
    shift
    wait_for 5 loupe_shows "$@" || fail_with_shots "$what: $(cat "$shots/cells.txt")"
}

expect_caption() {
    wait_for 5 window_name_is "$PICKER_WINDOW" "X:$2   Y:$3" ||
        fail "$1: the caption is '$(window_name "$PICKER_WINDOW")', not the pixel $2,$3"
}

# The caption names the pixel X,Y and a click on the RGB readout copies exactly its colour.
expect_pick() {
    local expected
    expected=$(python3 "$cells" colour "$2" "$3" --rgb)
    expect_caption "$@"
    set_clipboard 'not copied yet'
    click_control rgb
    wait_for 3 clipboard_is "$expected" || fail "$1: the RGB readout copied '$(clipboard_text)', not $expected"
}

# Window point at the centre of the cell COLUMNS,ROWS at a factor.
cell_centre() {
    local column=$1 row=$2 size=$3 columns rows
    columns=$(cell_count "$zoom_width" "$size")
    rows=$(cell_count "$zoom_height" "$size")
    echo $((window_x + zoom_left + (zoom_width - columns * size) / 2 + column * size + size / 2)) \
        $((window_y + zoom_top + (zoom_height - rows * size) / 2 + row * size + size / 2))
}

# Live: the loupe follows the pointer, well inside the screen and at its bottom-left corner, where the cells beyond
# the edge turn to hatch instead of keeping what the last capture held.
for spot in "417 555" "30 770" "3 797"; do
    read -r x y <<<"$spot"
    move_and_tick "$x" "$y"
    expect_caption "live at $x,$y" "$x" "$y"
    if [ "$x" -lt 10 ]; then
        expect_loupe "live at the screen's corner $x,$y" "$x" "$y" "$factor" "$shots/before.rgb"
        grep -q ' [1-9][0-9]* hatched$' "$shots/cells.txt" || fail "no cell lies beyond the screen at $x,$y"
    else
        expect_loupe "live at $x,$y" "$x" "$y" "$factor"
    fi
    cp "$shots/window.rgb" "$shots/before.rgb"
done

# Frozen: the loupe keeps its picture while the pointer moves on.
move_and_tick 600 450
press_hotkey
wait_for_freeze "$PICKER_WINDOW" 600 450 || fail "Ctrl+F12 did not freeze the sampling"
read -r held_x held_y < <(sed -E 's/X:([0-9]+) +Y:([0-9]+)/\1 \2/' <<<"$FROZEN_CAPTION")
expect_loupe "frozen at $held_x,$held_y" "$held_x" "$held_y" "$factor"

# A click on a cell that is not the middle one picks its pixel; the view stays.
columns=$(cell_count "$zoom_width" "$factor")
rows=$(cell_count "$zoom_height" "$factor")
[ "$columns" -ge 7 ] && [ "$rows" -ge 5 ] || fail "the loupe's $columns x $rows cells are too few for this test"
pick_x=$((held_x + 3))
pick_y=$((held_y - 2))
read -r x y < <(cell_centre $((columns / 2 + 3)) $((rows / 2 - 2)) "$factor")
xdotool mousemove "$x" "$y" click 1
expect_pick "a click on a cell" "$pick_x" "$pick_y"
expect_loupe "after the click" "$held_x" "$held_y" "$factor"

# One wheel step up over the loupe: the next larger cells, centred on the pick.
zoomed=$factor
for step in 2 3 4 6 8 12 16 24 32; do
    [ "$step" -le "$factor" ] || { zoomed=$step; break; }
done
[ "$zoomed" -gt "$factor" ] && [ "$(cell_count "$zoom_width" "$zoomed")" -ge 1 ] &&
    [ "$(cell_count "$zoom_height" "$zoomed")" -ge 1 ] || fail "the loupe holds no larger cells than $factor"
read -r x y < <(cell_centre $((columns / 2)) $((rows / 2)) "$factor")
xdotool mousemove "$x" "$y" click 4
expect_loupe "one wheel step up from factor $factor" "$pick_x" "$pick_y" "$zoomed"
expect_caption "after the wheel" "$pick_x" "$pick_y"

# Arrow keys walk the pick by one, Shift+arrow by ten; the view moves with it.
moves=("Right 1 0" "shift+Down 0 10" "Up 0 -1" "shift+Left -10 0")
for move in "${moves[@]}"; do
    read -r key dx dy <<<"$move"
    pick_x=$((pick_x + dx))
    pick_y=$((pick_y + dy))
    press_keys "$PICKER_WINDOW" "$key"
    expect_pick "$key" "$pick_x" "$pick_y"
    expect_loupe "$key" "$pick_x" "$pick_y" "$zoomed"
done

# Shift+Right until the pick meets the edge of the frozen picture: a press that does not move it by ten. Left and
# Right then show that the caption had taken that press.
edge_x=""
for _ in $(seq 40); do
    press_keys "$PICKER_WINDOW" shift+Right
    if ! wait_for 2 window_name_is "$PICKER_WINDOW" "X:$((pick_x + 10))   Y:$pick_y"; then
        edge_x=$(window_name "$PICKER_WINDOW" | sed -E 's/X:([0-9]+) .*/\1/')
        press_keys "$PICKER_WINDOW" Left
        expect_caption "Left at the edge" $((edge_x - 1)) "$pick_y"
        press_keys "$PICKER_WINDOW" Right
        expect_pick "Right at the edge" "$edge_x" "$pick_y"
        break
    fi
    pick_x=$((pick_x + 10))
done
[ -n "$edge_x" ] || fail "Shift+Right never met the edge of the frozen picture"
# The frozen picture reaches at least as far as the loupe shows at factor 2 around the frozen pixel, and at its edge
# the view stops with the pick in its last column.
margin=$(($(cell_count "$zoom_width" 2) / 2))
[ "$edge_x" -ge $((held_x + margin)) ] || fail "the frozen picture ends at $edge_x, within $margin of $held_x"
edge_view=$((edge_x - $(cell_count "$zoom_width" "$zoomed") / 2))
expect_loupe "the view at the frozen picture's edge" "$edge_view" "$pick_y" "$zoomed"

# Ctrl+F12 again: the caption and the loupe follow the pointer.
expect_sampling_resumes 211 333
expect_loupe "live again" 211 333 "$zoomed"

stop_clock
esc_ends_picker "$PICKER_WINDOW" || fail "Esc did not end the program"
echo "loupe $zoom_box: ${columns}x$rows cells at factor $factor exact live and frozen, hatch beyond the screen;" \
    "click, arrows and Shift+arrows picked exact pixels; wheel to factor $zoomed; edge of the frozen picture at" \
    "$((edge_x - held_x)) pixels right of the frozen pixel; live again after Ctrl+F12"
