#!/usr/bin/env bash
# The picker on a 150 % screen (LogPixels 144) is the 100 % picker enlarged: size, place, shape, texts and clicks.
source "$(dirname "$0")/display_scale_lib.sh"
expect_scaled_picker 144
