#!/usr/bin/env bash
# Takes the README's picture: the picker with the default skin on a virtual display under Wine, sampling a
# cornflower blue desktop, cropped to the top-right corner of the screen.
#
#     bash scripts/screenshot.sh [output.png] [dpi]      # default: docs/screenshot.png at 96 dpi (100 %)
#
# Another dpi shows the picker on a screen of that scale (144 is 150 %), from a Wine prefix of that resolution.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
output=$(realpath -m "${1:-$root/docs/screenshot.png}")
dpi=${2:-96}
cd "$root"

bash scripts/install-deps.sh
cmake --preset windows >/dev/null
cmake --build --preset windows --target pixlin -j "$(nproc)" >/dev/null

source scripts/wine-session.sh
scaled_prefix=""
trap '[ -z "$scaled_prefix" ] || WINEPREFIX=$scaled_prefix wineserver -k >/dev/null 2>&1 || true; wine_session_end' EXIT
# A virtual display even where there is a real one, so the picture never shows anyone's desktop.
wine_session_start "$root" yes
if [ "$dpi" != 96 ]; then
    scaled_prefix=$WINEPREFIX-dpi$dpi
    export WINEPREFIX=$scaled_prefix
    wine_prefix_start "$dpi"
fi

xsetroot -solid '#6495ed'
(cd build/windows/src && exec wine ./pixlin.exe >/dev/null 2>&1 </dev/null) &
picker=$!
window=$(wine_wait_for_window "$picker")
xdotool mousemove 300 300
sleep 1
read -r x y width height < <(xdotool getwindowgeometry --shell "$window" |
    awk -F= '/^X=/ {x=$2} /^Y=/ {y=$2} /^WIDTH=/ {w=$2} /^HEIGHT=/ {h=$2} END {print x, y, w, h}')
margin=24
mkdir -p "$(dirname "$output")"
import -window root -crop "$((width + margin))x$((height + margin))+$((x - margin))+$y" +repage "$output"
xdotool windowfocus --sync "$window" key Escape
wait "$picker" 2>/dev/null || true
echo "$output"
