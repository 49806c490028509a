#!/usr/bin/env bash
# Installs what is missing, builds pixlin.exe and starts it under Wine.
# On a machine without a display it starts a virtual one, lets the picker sample a
# colour for a few seconds, saves a screenshot and ends.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"

bash scripts/install-deps.sh
cmake --preset windows >/dev/null
cmake --build --preset windows --target pixlin -j "$(nproc)"

exe_dir="$root/build/windows/src/app"
source scripts/wine-session.sh
trap wine_session_end EXIT

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
    wine_session_start "$root" no
    echo "Pixlin runs on $DISPLAY; Esc closes it."
    (cd "$exe_dir" && wine ./pixlin.exe)
    exit 0
fi

wine_session_start "$root" yes
screenshot="$root/build/pixlin-screenshot.png"
xsetroot -solid '#ff8000'
(cd "$exe_dir" && exec wine ./pixlin.exe >/dev/null 2>&1 </dev/null) &
picker=$!
xdotool mousemove 400 300
window=$(wine_wait_for_window "$picker")
# Move once more so the picker samples with its window already in place.
xdotool mousemove 640 400
sleep 3
import -window root "$screenshot"
echo "Pixlin ran on a virtual display ($(xdotool getwindowname "$window")); screenshot: $screenshot"
xdotool windowfocus --sync "$window" key Escape
wait "$picker" 2>/dev/null || true
