#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

#include "core/design/form1_control.h"

namespace pixlin {

// The keys of the skin layout file, in the order of their table.
enum class LayoutKey {
    Rgb,
    Hls,
    Cmyk,
    Cmy,
    Long,
    Hex,
    Ycbcr,
    Preview,
    Text,
    Quit,
    Trans,
    Zoom,
    CssHex,
    CssRgb,
    CssHsl,
    Hsv,
    Oklch,
    Nearest,
    Contrast,
    History,
    State,
    Profile,
    Apca
};

// What one value of a line sets. The first four are a place: pixels at 100 % in the file, twips once read.
enum class LayoutField { Left, Top, Width, Height, TextColour, Factor, Alpha, Count };

// Where a key's values go: to controls of the window, to the loupe's box and factor, to the history's box and
// swatch count, or to the window itself.
enum class LayoutTarget { Controls, Loupe, History, Window };

inline constexpr std::int32_t kMinLoupeFactor = 2;
inline constexpr std::int32_t kMaxLoupeFactor = 32;
// The loupe's factor until a line gives one it can use.
inline constexpr std::int32_t kDefaultLoupeFactor = 8;

inline constexpr std::int32_t kMinHistoryCount = 1;
inline constexpr std::int32_t kMaxHistoryCount = 32;
// The history's swatches when a line gives no count, or one that is not a whole number in range.
inline constexpr std::int32_t kDefaultHistoryCount = 8;

struct LayoutKeyRow {
    std::string_view name;
    LayoutKey key;
    LayoutTarget target;
    // The controls the key places, each taking every value on its own, in this order.
    std::span<const Form1Control> controls;
    // The values of its line, in order; values beyond these are ignored.
    std::span<const LayoutField> fields;
    // The whole value text is one number, not split at commas.
    bool wholeText = false;
};

namespace layout_rows {

inline constexpr std::array kPlaceAndColour{LayoutField::Left, LayoutField::Top, LayoutField::Width,
                                            LayoutField::Height, LayoutField::TextColour};
inline constexpr std::array kPlace{LayoutField::Left, LayoutField::Top, LayoutField::Width, LayoutField::Height};
inline constexpr std::array kLoupe{LayoutField::Left, LayoutField::Top, LayoutField::Width, LayoutField::Height,
                                   LayoutField::Factor};
inline constexpr std::array kAlpha{LayoutField::Alpha};
inline constexpr std::array kHistory{LayoutField::Left, LayoutField::Top, LayoutField::Width, LayoutField::Height,
                                     LayoutField::Count};

inline constexpr std::array kRgb{Form1Control::lbl_RGB};
inline constexpr std::array kHls{Form1Control::lbl_HLS};
inline constexpr std::array kCmyk{Form1Control::lbl_CMYK};
inline constexpr std::array kCmy{Form1Control::lbl_CMY};
inline constexpr std::array kLong{Form1Control::lbl_LONG};
inline constexpr std::array kHex{Form1Control::lbl_HEX};
inline constexpr std::array kYcbcr{Form1Control::lbl_YCBCR};
// The swatch first, then the label that takes clicks on it, so that the label covers the swatch exactly.
inline constexpr std::array kPreview{Form1Control::Shape1, Form1Control::lbl_Shape};
inline constexpr std::array kText{Form1Control::Text1};
inline constexpr std::array kQuit{Form1Control::Label3};
inline constexpr std::array kCssHex{Form1Control::lbl_CSSHEX};
inline constexpr std::array kCssRgb{Form1Control::lbl_CSSRGB};
inline constexpr std::array kCssHsl{Form1Control::lbl_CSSHSL};
inline constexpr std::array kHsv{Form1Control::lbl_HSV};
inline constexpr std::array kOklch{Form1Control::lbl_OKLCH};
inline constexpr std::array kNearest{Form1Control::lbl_NEAREST};
inline constexpr std::array kContrast{Form1Control::lbl_CONTRAST};
inline constexpr std::array kState{Form1Control::lbl_STATE};
inline constexpr std::array kProfile{Form1Control::lbl_PROFILE};
inline constexpr std::array kApca{Form1Control::lbl_APCA};

}  // namespace layout_rows

// The one table of the layout file's keys, read alike by the picker and by pixlin-skin: a new key is a new row.
inline constexpr std::array kLayoutKeys{
    LayoutKeyRow{"rgb", LayoutKey::Rgb, LayoutTarget::Controls, layout_rows::kRgb, layout_rows::kPlaceAndColour},
    LayoutKeyRow{"hls", LayoutKey::Hls, LayoutTarget::Controls, layout_rows::kHls, layout_rows::kPlaceAndColour},
    LayoutKeyRow{"cmyk", LayoutKey::Cmyk, LayoutTarget::Controls, layout_rows::kCmyk, layout_rows::kPlaceAndColour},
    LayoutKeyRow{"cmy", LayoutKey::Cmy, LayoutTarget::Controls, layout_rows::kCmy, layout_rows::kPlaceAndColour},
    LayoutKeyRow{"long", LayoutKey::Long, LayoutTarget::Controls, layout_rows::kLong, layout_rows::kPlaceAndColour},
    LayoutKeyRow{"hex", LayoutKey::Hex, LayoutTarget::Controls, layout_rows::kHex, layout_rows::kPlaceAndColour},
    LayoutKeyRow{"ycbcr", LayoutKey::Ycbcr, LayoutTarget::Controls, layout_rows::kYcbcr, layout_rows::kPlaceAndColour},
    LayoutKeyRow{"preview", LayoutKey::Preview, LayoutTarget::Controls, layout_rows::kPreview, layout_rows::kPlace},
    LayoutKeyRow{"text", LayoutKey::Text, LayoutTarget::Controls, layout_rows::kText, layout_rows::kPlaceAndColour},
    LayoutKeyRow{"quit", LayoutKey::Quit, LayoutTarget::Controls, layout_rows::kQuit, layout_rows::kPlace},
    LayoutKeyRow{"trans", LayoutKey::Trans, LayoutTarget::Window, {}, layout_rows::kAlpha, true},
    LayoutKeyRow{"zoom", LayoutKey::Zoom, LayoutTarget::Loupe, {}, layout_rows::kLoupe},
    LayoutKeyRow{"csshex", LayoutKey::CssHex, LayoutTarget::Controls, layout_rows::kCssHex,
                 layout_rows::kPlaceAndColour},
    LayoutKeyRow{"cssrgb", LayoutKey::CssRgb, LayoutTarget::Controls, layout_rows::kCssRgb,
                 layout_rows::kPlaceAndColour},
    LayoutKeyRow{"csshsl", LayoutKey::CssHsl, LayoutTarget::Controls, layout_rows::kCssHsl,
                 layout_rows::kPlaceAndColour},
    LayoutKeyRow{"hsv", LayoutKey::Hsv, LayoutTarget::Controls, layout_rows::kHsv, layout_rows::kPlaceAndColour},
    LayoutKeyRow{"oklch", LayoutKey::Oklch, LayoutTarget::Controls, layout_rows::kOklch, layout_rows::kPlaceAndColour},
    LayoutKeyRow{"nearest", LayoutKey::Nearest, LayoutTarget::Controls, layout_rows::kNearest,
                 layout_rows::kPlaceAndColour},
    LayoutKeyRow{"contrast", LayoutKey::Contrast, LayoutTarget::Controls, layout_rows::kContrast,
                 layout_rows::kPlaceAndColour},
    LayoutKeyRow{"history", LayoutKey::History, LayoutTarget::History, {}, layout_rows::kHistory},
    LayoutKeyRow{"state", LayoutKey::State, LayoutTarget::Controls, layout_rows::kState, layout_rows::kPlaceAndColour},
    LayoutKeyRow{"profile", LayoutKey::Profile, LayoutTarget::Controls, layout_rows::kProfile,
                 layout_rows::kPlaceAndColour},
    LayoutKeyRow{"apca", LayoutKey::Apca, LayoutTarget::Controls, layout_rows::kApca, layout_rows::kPlaceAndColour},
};

constexpr bool KeysInTableOrder() {
    for (std::size_t i = 0; i < kLayoutKeys.size(); ++i) {
        if (static_cast<std::size_t>(kLayoutKeys[i].key) != i) {
            return false;
        }
    }
    return true;
}
static_assert(KeysInTableOrder());

constexpr bool EveryControlPlacedOnce() {
    for (std::size_t i = 0; i < kForm1ControlCount; ++i) {
        std::size_t keys = 0;
        for (const LayoutKeyRow& row : kLayoutKeys) {
            for (const Form1Control control : row.controls) {
                keys += IndexOf(control) == i ? 1 : 0;
            }
        }
        if (keys != 1) {
            return false;
        }
    }
    return true;
}
static_assert(EveryControlPlacedOnce());

constexpr const LayoutKeyRow& RowOf(LayoutKey key) noexcept {
    return kLayoutKeys[static_cast<std::size_t>(key)];
}

// The row of a key as written in the file: exactly, case and blanks included; null for no key.
const LayoutKeyRow* FindLayoutKey(std::string_view name) noexcept;

// The key that places a control; every control has one.
const LayoutKeyRow& KeyPlacing(Form1Control control) noexcept;

// How a report names a value: "left", "text colour", "factor"...
std::string_view FieldName(LayoutField field) noexcept;

constexpr bool IsPlace(LayoutField field) noexcept {
    return field == LayoutField::Left || field == LayoutField::Top || field == LayoutField::Width ||
           field == LayoutField::Height;
}

}  // namespace pixlin
