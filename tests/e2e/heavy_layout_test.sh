#!/usr/bin/env bash
# Long and huge skin layout files: a layout of up to a million lines leaves the picker usable within 2 s of its
# normal start-up time and ending on Esc; a file over 64 MiB is refused unread, as a missing one is: the message box
# titled 223 (file too large), the program ending once it is answered, and no more memory than a normal start.
source "$(dirname "$0")/lib.sh"

install_picker
layout=$PICKER_DIR/pixlin.dat0
default_layout=$(cat "$E2E_SKIN/pixlin.dat0")

text_lines() {
    printf '%s\r\n' "$default_layout"
    awk -v lines="$1" 'BEGIN { for (i = 0; i < lines; i++) printf "text=56,204,226,16,3155488\r\n" }'
}

x=300
timed_start
normal_ms=$(cat "$E2E_DIR/start_ms")
normal_kb=$(picker_peak_kb)
esc_ends_picker "$PICKER_WINDOW" || fail "default layout: Esc did not end the program"
echo "default layout: window after $normal_ms ms, peak $normal_kb kB"

for lines in 10000 100000 1000000; do
    text_lines "$lines" >"$layout"
    x=$((x + 13))
    began=$(now_ms)
    expect_usable "$lines text lines" "$x" 456
    took=$(($(now_ms) - began))
    echo "$lines text lines: usable and ended on Esc, $took ms in all"
done

# Esc at once, while a file of 2 million lines (54 MB) is still loading.
text_lines 2000000 >"$layout"
start_picker
esc_ends_picker "$PICKER_WINDOW" || fail "Esc did not end the program while its layout loaded"
echo "Esc ended the program during a long load"

rm -f "$layout"
truncate -s 1G "$layout"
start_picker_no_window() {
    (cd "$PICKER_DIR" && exec wine ./pixlin.exe >/dev/null 2>&1 </dev/null) &
    PICKER_PID=$!
}
start_picker_no_window
wait_for 10 window_named '^223$' || fail "no message box titled 223 for a 1 GiB layout file"
peak_kb=$(picker_peak_kb)
[ "$peak_kb" -le $((normal_kb + 10240)) ] || fail "1 GiB layout: peak $peak_kb kB, normal $normal_kb kB"
press_keys "$FOUND_WINDOW" Return
wait_for 10 picker_gone || fail "the program still runs after the message was answered"
echo "1 GiB layout file: message box titled 223, peak $peak_kb kB, ended after Return"
