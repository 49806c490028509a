#!/usr/bin/env bash
# Without its layout file the picker shows the failure, titled with the system's error code
# (2, file not found), and ends once the message is answered.
source "$(dirname "$0")/lib.sh"

install_picker
remove_data_file pixlin.dat0
start_picker

wait_for 10 window_named '^2$' || fail "no message box titled 2"
picker_running || fail "the program ended before the message was answered"

press_keys "$FOUND_WINDOW" Return
wait_for 10 picker_gone || fail "the program still runs after the message was answered"
echo "message box titled 2 shown; the program ended after Return"
