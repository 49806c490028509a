#!/usr/bin/env bash
# Whatever bytes the skin layout file holds, the picker starts, samples and ends on Esc: nothing in it can crash
# or hang the program or stop it from following the pointer.
source "$(dirname "$0")/lib.sh"

install_picker
layout=$PICKER_DIR/pixlin.dat0
default_layout=$(cat "$E2E_SKIN/pixlin.dat0")

random_bytes() {
    python3 -c 'import random, sys; sys.stdout.buffer.write(random.Random(6).randbytes(65536))'
}
one_long_line() {
    printf 'rgb=170,40,116,16,'
    head -c 52428800 /dev/zero | tr '\0' '7'
}
nul_bytes() {
    printf 'rgb=170\0,40,116,16,16117996\r\n'
    head -c 4096 /dev/zero
    printf '\r\nquit=271,11,\0019,19\r\ntrans=\0\r\n'
}
byte_order_mark() {
    printf '\xef\xbb\xbf%s\r\n' "$default_layout"
}
only_carriage_returns() {
    printf '%s\r' "$default_layout" | tr -d '\n'
}
huge_numbers() {
    printf 'rgb=1e999,1e999,1e999,1e999,1e999\r\n'
    printf 'hls=-1e999,-1e999,-1e999,-1e999,-1e999\r\n'
    printf 'hex=1e308,1e308,1e308,1e308,99999999999999999999\r\n'
    printf 'long=NaN,inf,-inf,1e-999,-0\r\n'
    printf 'preview=2147483648,-2147483649,3.4e38,-3.4e38\r\n'
    printf 'text=9e9,9e9,9e9,9e9,9e9\r\ntrans=1e999\r\ntrans=-1e999\r\nquit=1e999,1e999,1e999,1e999\r\n'
}
empty_file() {
    true
}

x=300
for maker in random_bytes one_long_line nul_bytes byte_order_mark only_carriage_returns huge_numbers empty_file; do
    "$maker" >"$layout"
    x=$((x + 13))
    expect_usable "$maker ($(stat -c %s "$layout") bytes)" "$x" 456
    echo "$maker: usable"
done
echo "the picker stayed usable with every layout file"
