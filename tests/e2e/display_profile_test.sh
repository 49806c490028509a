#!/usr/bin/env bash
# Picking through the display's colour profile, as a user does it: with an Adobe RGB-compatible profile planted as the
# display's, a page colour shown on the screen as a colour-managed program shows it (its display value, worked out by
# LittleCMS) is copied as the page colour, within one step a channel; the swatch shows the display's pixel exactly; a
# click on the profile text switches to the display's values and back. Without a profile the picker copies what it
# always did. The planted profile is removed again however the test ends, so that every other test keeps an sRGB
# display.
source "$(dirname "$0")/lib.sh"

profile_source=/usr/share/color/icc/compatibleWithAdobeRGB1998.icc
profile_name=pixlin-e2e-wide.icc
profile_key='HKLM\Software\Microsoft\Windows NT\CurrentVersion\ICM\mntr'
colour_folder=$WINEPREFIX/drive_c/windows/system32/spool/drivers/color
[ -f "$profile_source" ] || fail "Debian's icc-profiles-free is missing: no $profile_source"

unplant_profile() {
    wine reg delete "$profile_key" /v "$profile_name" /f >/dev/null 2>&1 </dev/null || true
    rm -f "$colour_folder/$profile_name"
}
trap 'unplant_profile; e2e_cleanup' EXIT

plant_profile() {
    cp "$profile_source" "$colour_folder/$profile_name"
    wine reg add "$profile_key" /v "$profile_name" /t REG_SZ /d '' /f >/dev/null 2>&1 </dev/null ||
        fail "the profile could not be planted in the registry"
}

# The page colour and what the display shows for it: LittleCMS, from sRGB to the display's profile, relative
# colorimetric, as a colour-managed program converts it.
page=e27052
display=$(/usr/bin/python3 - "$profile_source" "$page" <<'EOF'
import sys
from PIL import Image, ImageCms
profile, page = sys.argv[1], sys.argv[2]
transform = ImageCms.buildTransform(ImageCms.createProfile("sRGB"), ImageCms.getOpenProfile(profile), "RGB", "RGB",
                                    renderingIntent=ImageCms.Intent.RELATIVE_COLORIMETRIC)
pixel = Image.new("RGB", (1, 1), tuple(int(page[i:i + 2], 16) for i in (0, 2, 4)))
print("%02x%02x%02x" % ImageCms.applyTransform(pixel, transform).getpixel((0, 0)))
EOF
)
[ "$display" != "$page" ] || fail "the profile leaves #$page as it is: nothing to test"

# The default skin's own profile text is the one clicked.
install_picker

# Ctrl+F11 copies the pick under the pointer as #RRGGBB; the clipboard must change, or an unchanged one could pass.
copy_key() {
    set_clipboard 'cleared'
    press_keys "$PICKER_WINDOW" ctrl+F11
    wait_for 3 bash -c '[ "$(timeout 2 xclip -o -selection clipboard 2>/dev/null)" != cleared ]' ||
        fail "Ctrl+F11 copied nothing"
    COPIED=$(clipboard_text)
}

# Whether a copied #RRGGBB is within one step a channel of rrggbb.
within_one() {
    local copied=${1#\#} expected=$2 i
    [ ${#copied} -eq 6 ] || return 1
    for i in 0 2 4; do
        local delta=$((16#${copied:i:2} - 16#${expected:i:2}))
        [ "${delta#-}" -le 1 ] || return 1
    done
}

swatch_shows() {
    local x y
    read -r x y < <(control_centre preview)
    screen_pixel_is "$x" "$y" "$1"
}

# Without a profile: the display's pixels are the colours, as always.
start_picker
point_at "$page"
copy_key
[ "$COPIED" = "#${page^^}" ] || fail "without a profile #$page was copied as $COPIED"
esc_ends_picker "$PICKER_WINDOW" || fail "Esc did not end the program"

plant_profile
start_picker
point_at "$display"
copy_key
within_one "$COPIED" "$page" || fail "the display's #$display was copied as $COPIED, not the page's #$page"
wait_for 3 swatch_shows "$display" || fail "the swatch does not show the display's pixel #$display"

click_control profile
point_at "$display"
copy_key
[ "$COPIED" = "#${display^^}" ] || fail "after a click on the profile text #$display was copied as $COPIED"

click_control profile
point_at "$display"
copy_key
within_one "$COPIED" "$page" || fail "a second click did not switch back to sRGB: $COPIED"

picker_running || fail "the picker ended"
esc_ends_picker "$PICKER_WINDOW" || fail "Esc did not end the program"
echo "the page's #$page, shown as #$display, copied as $COPIED; the swatch showed #$display; the switch went both ways"
