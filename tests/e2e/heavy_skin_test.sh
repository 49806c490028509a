#!/usr/bin/env bash
# Skins of many runs and huge skin files: the picker shows its window within 2 s of its normal start-up time, keeps
# following the pointer and ends on Esc. Up to the shape limit the key colour is cut out; above it each row is
# filled from its first to its last opaque pixel, so the key colour shows inside the rows. A skin file too large for
# any picture is refused unread: the built-in skin, and no more memory than a normal start.
source "$(dirname "$0")/lib.sh"

install_picker
bitmap=$PICKER_DIR/pixlin.dat1
skins() {
    python3 "$E2E_SUPPORT/heavy_skins.py" "$@" >"$bitmap"
}
default_size=$(identify -format '%wx%h' "$E2E_SKIN/pixlin.dat1")

# The picker with the given files, started, checked and ended; the start time and peak memory are left in
# START_MS and PEAK_KB.
run_picker() {
    local what=$1 x=$2 size=$3 width height
    timed_start
    START_MS=$(cat "$E2E_DIR/start_ms")
    read -r _ _ width height < <(window_geometry "$PICKER_WINDOW")
    [ "${width}x$height" = "$size" ] || fail "$what: the window is ${width}x$height, not $size"
    xdotool mousemove "$x" 456
    wait_for 10 window_name_is "$PICKER_WINDOW" "X:$x   Y:456" ||
        fail "$what: caption is '$(window_name "$PICKER_WINDOW")' with the pointer at $x,456"
    ! window_named '^[0-9]+$' || fail "$what: start-up reported error $(window_name "$FOUND_WINDOW")"
    PEAK_KB=$(picker_peak_kb)
    MAGENTA=$(count_colour_in_window "$PICKER_WINDOW" ff00ff)
    esc_ends_picker "$PICKER_WINDOW" || fail "$what: Esc did not end the program"
}

run_picker "default skin" 300 "$default_size"
normal_ms=$START_MS
normal_kb=$PEAK_KB
echo "default skin: window after $normal_ms ms, peak $normal_kb kB"

# maker and its arguments | window size | key colour cut out (yes) or shown in the filled rows (no)
x=300
while IFS='|' read -r maker size cut; do
    skins $maker
    x=$((x + 13))
    run_picker "$maker" "$x" "$size"
    [ "$START_MS" -le $((normal_ms + 2000)) ] || fail "$maker: window after $START_MS ms, normal $normal_ms ms"
    if [ "$cut" = yes ]; then
        [ "$MAGENTA" -eq 0 ] || fail "$maker: $MAGENTA key-colour pixels show, none should"
    else
        [ "$MAGENTA" -gt 0 ] || fail "$maker: the key colour is cut out above the shape limit"
    fi
    echo "$maker: window $size after $START_MS ms, key colour cut out: $cut"
done <<'ROWS'
checkerboard 100 200|100x200|yes
stripes 5000|801x400|yes
checkerboard 250 262|250x262|no
checkerboard 656 101|656x101|no
checkerboard 300 232|300x232|no
stripes 80000|801x400|no
photo 1000 1000 5|1000x1000|no
ROWS

# Sparse files: refused by their size, never read.
for gib in 1 3; do
    rm -f "$bitmap"
    truncate -s "${gib}G" "$bitmap"
    x=$((x + 13))
    run_picker "${gib} GiB skin file" "$x" "$default_size"
    [ "$START_MS" -le $((normal_ms + 2000)) ] || fail "${gib} GiB skin: window after $START_MS ms"
    [ "$PEAK_KB" -le $((normal_kb + 10240)) ] || fail "${gib} GiB skin: peak $PEAK_KB kB, normal $normal_kb kB"
    echo "${gib} GiB skin file: built-in skin after $START_MS ms, peak $PEAK_KB kB"
done
echo "the picker stayed usable with every heavy skin"
