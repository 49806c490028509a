# Sourced by the run and test scripts: a virtual display (unless one is given) and a
# warm Wine prefix of the project's own, torn down by wine_session_end.

# The display is 1280 x 800 unless a third argument gives another WIDTHxHEIGHT.
wine_session_start() {
    local root=$1 want_own_display=$2 display_size=${3:-1280x800}
    export WINEPREFIX="$root/build/wine-prefix"
    export WINEDEBUG=-all
    # No sound device on build machines, and no .NET or HTML engine needed.
    export WINEDLLOVERRIDES="mscoree=d;mshtml=d;winealsa.drv=d"
    export WINEARCH=win64

    WINE_SESSION_XVFB_PID=""
    if [ "$want_own_display" = yes ] || [ -z "${DISPLAY:-}" ] || ! xdpyinfo >/dev/null 2>&1; then
        start_virtual_display "$display_size"
        WINE_SESSION_XVFB_PID=$VIRTUAL_DISPLAY_PID
    fi

    wine_prefix_start
    wine_keep_prefix_alive
}

# One program of our own stays in the prefix for the whole session. Without one, Wine ends the desktop (explorer) and
# COM's service (rpcss) a few seconds after the last program exits, and the next program to open a window starts them
# again as its own children. Under CTest they then end with that test, and from there on every window waits 10 s for a
# service that no longer answers: 22 s a test instead of 0.2 s (measured, both in a whole run and after a pause).
wine_keep_prefix_alive() {
    # The console waits for input that never comes; its input ends with the session.
    (sleep 86400 | wine cmd >/dev/null 2>&1) &
    WINE_SESSION_KEEPER_PID=$!
}

# Starts a virtual display of the given size (WIDTHxHEIGHT) and makes it DISPLAY; VIRTUAL_DISPLAY_PID is its server.
start_virtual_display() {
    local display_file
    display_file=$(mktemp)
    Xvfb -displayfd 3 -screen 0 "$1x24" -noreset -nolisten tcp 3>"$display_file" >/dev/null 2>&1 &
    VIRTUAL_DISPLAY_PID=$!
    for _ in $(seq 100); do
        [ -s "$display_file" ] && break
        sleep 0.05
    done
    export DISPLAY=":$(cat "$display_file")"
    rm -f "$display_file"
}

# Starts the server of the prefix in WINEPREFIX, making the prefix first if it is not there. With a dpi, the prefix's
# screen has that resolution (LogPixels); a prefix keeps its resolution, so each scale wants a prefix of its own.
wine_prefix_start() {
    local dpi=${1:-} fresh=no
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        fresh=yes
        mkdir -p "$WINEPREFIX"
    fi
    # Debian's wineserver quits with its last client; keeping it alive makes every
    # later start warm.
    wineserver -p >/dev/null 2>&1 </dev/null
    wine wineboot -i >/dev/null 2>&1 </dev/null
    if [ "$fresh" = yes ]; then
        # Without a window manager, hiding a window stalls unless windows are unmanaged.
        wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1 </dev/null
        wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v Arial /t REG_SZ /d 'Liberation Sans' /f \
            >/dev/null 2>&1 </dev/null
    fi
    # Also in a prefix made before this setting: without a window manager, Wine's default lets a late FocusOut (a
    # helper window that just closed) make its desktop window the foreground, and every key then goes there, Esc
    # included. Windows has nothing like it.
    if ! grep -q '^"UseTakeFocus"="N"' "$WINEPREFIX/user.reg" 2>/dev/null; then
        wine reg add 'HKCU\Software\Wine\X11 Driver' /v UseTakeFocus /t REG_SZ /d N /f >/dev/null 2>&1 </dev/null
    fi
    if [ -n "$dpi" ] && ! grep -qi "^\"LogPixels\"=dword:$(printf '%08x' "$dpi")" "$WINEPREFIX/user.reg" 2>/dev/null; then
        wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1 </dev/null
        # The resolution is read when the server starts.
        wineserver -k >/dev/null 2>&1 || true
        wineserver -p >/dev/null 2>&1 </dev/null
        wine wineboot >/dev/null 2>&1 </dev/null
    fi
}

# Prints the first visible window of a process once it appears (within 10 s); fails if none does.
wine_wait_for_window() {
    local pid=$1 window
    for _ in $(seq 200); do
        window=$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | head -n 1 || true)
        [ -n "$window" ] && { echo "$window"; return 0; }
        sleep 0.05
    done
    echo "the picker window did not appear" >&2
    return 1
}

wine_session_end() {
    wineserver -k >/dev/null 2>&1 || true
    if [ -n "${WINE_SESSION_KEEPER_PID:-}" ]; then
        pkill -P "$WINE_SESSION_KEEPER_PID" 2>/dev/null || true
        wait "$WINE_SESSION_KEEPER_PID" 2>/dev/null || true
    fi
    if [ -n "${WINE_SESSION_XVFB_PID:-}" ]; then
        kill "$WINE_SESSION_XVFB_PID" 2>/dev/null || true
        wait "$WINE_SESSION_XVFB_PID" 2>/dev/null || true
    fi
}
