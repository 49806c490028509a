#!/usr/bin/env bash
# Takes the README's pictures: the picker with the default skin on a virtual display under Wine, cropped to the
# top-right corner of the screen.
#
#     bash scripts/screenshot.sh [output.png] [dpi] [scene]   # default: docs/screenshot.png, 96 dpi (100 %), plain
#
# Another dpi shows the picker on a screen of that scale (144 is 150 %), from a Wine prefix of that resolution.
# The plain scene copies a few colours with the copy key, white last, then samples a cornflower blue desktop, so that
# the history and the contrast against white show; the text scene puts a card of anti-aliased text beside the
# window and the pointer on a letter's edge, so the loupe shows how the letter is blended into the paper.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
output=$(realpath -m "${1:-$root/docs/screenshot.png}")
dpi=${2:-96}
scene=${3:-plain}
cd "$root"

bash scripts/install-deps.sh
cmake --preset windows >/dev/null
cmake --build --preset windows --target pixlin -j "$(nproc)" >/dev/null

source scripts/wine-session.sh
scaled_prefix=""
trap '[ -z "$scaled_prefix" ] || WINEPREFIX=$scaled_prefix wineserver -k >/dev/null 2>&1 || true; wine_session_end' EXIT
# A virtual display even where there is a real one, so the picture never shows anyone's desktop; tall enough for the
# default skin at 150 %.
wine_session_start "$root" yes 1280x1024
if [ "$dpi" != 96 ]; then
    scaled_prefix=$WINEPREFIX-dpi$dpi
    export WINEPREFIX=$scaled_prefix
    wine_prefix_start "$dpi"
fi

xsetroot -solid '#6495ed'
(cd build/windows/src/app && exec wine ./pixlin.exe >/dev/null 2>&1 </dev/null) &
picker=$!
window=$(wine_wait_for_window "$picker")
read -r x y width height < <(xdotool getwindowgeometry --shell "$window" |
    awk -F= '/^X=/ {x=$2} /^Y=/ {y=$2} /^WIDTH=/ {w=$2} /^HEIGHT=/ {h=$2} END {print x, y, w, h}')
margin=24
left=$((x - margin))
if [ "$scene" = text ]; then
    picture=$(mktemp --suffix=.png)
    read -r screen_width screen_height < <(xdotool getdisplaygeometry)
    read -r pointer_x pointer_y card_left _ < <(/usr/bin/python3 scripts/loupe_scene.py "$picture" \
        "$screen_width" "$screen_height" "$x")
    # display exits with 1 here even when the root window took the picture.
    display -window root "$picture" || true
    rm -f "$picture"
    left=$((card_left - margin))
    xdotool mousemove "$pointer_x" "$pointer_y"
else
    # The picker samples when the pointer moves: a step of one pixel after each new desktop colour.
    step=0
    for colour in '#ff8c00' '#2e8b57' '#4b0082' '#ffffff'; do
        xsetroot -solid "$colour"
        step=$((step + 1))
        xdotool mousemove "$((300 + step))" 300
        sleep 0.3
        # Under Wine a hot key reaches a program only while one of its windows has the focus.
        xdotool windowfocus --sync "$window" key ctrl+F11
        sleep 0.2
    done
    xsetroot -solid '#6495ed'
    xdotool mousemove 300 300
fi
sleep 1
mkdir -p "$(dirname "$output")"
import -window root -crop "$((x + width - left))x$((height + margin))+$left+$y" +repage "$output"
xdotool windowfocus --sync "$window" key Escape
wait "$picker" 2>/dev/null || true
echo "$output"
