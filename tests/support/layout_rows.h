#pragma once

// Layouts as a new skin author writes them, each with what the picker does with it on the rows' skin at 96 dpi. The
// same rows go to the one reading and to pixlin-skin on the host, and to the picker's window under Wine.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/base/rect.h"
#include "core/design/form1_control.h"
#include "core/layout/skin_limits.h"
#include "support/bmp_file.h"

namespace pixlin::testing {

inline constexpr std::int32_t kRowSkinWidth = 200;
inline constexpr std::int32_t kRowSkinHeight = 120;

// The rows' skin: dark grey, its top-left pixel magenta and so the only one cut out.
inline std::string LayoutRowSkin() {
    return BmpFile({.width = kRowSkinWidth, .height = kRowSkinHeight},
                   [](std::uint32_t x, std::uint32_t storedRow) -> std::uint32_t {
                       const bool topLeft = x == 0 && storedRow == kRowSkinHeight - 1;
                       return topLeft ? 0xFF00FFu : 0x303030u;
                   });
}

struct LayoutRow {
    std::string_view name;
    std::string layout = {};
    // One control the row is about, and where it ends up.
    Form1Control control = Form1Control::lbl_RGB;
    PixelRect pixels = {};
    std::int32_t foreColor = 0;
    // The loupe's cells, none for no loupe.
    std::optional<PixelRect> loupeGrid = std::nullopt;
    std::int32_t loupeFactor = 0;
    std::optional<std::int16_t> alpha = std::nullopt;
    // The picker refuses the file, says so and ends.
    bool refused = false;
    // False for an optional control that the layout does not bring into the window.
    bool shown = true;
    // The history's box and swatch count, none for no history.
    std::optional<PixelRect> historyBox = std::nullopt;
    std::int32_t historyCount = 0;
};

inline constexpr PixelRect kBuiltInRgb{84, 204, 181, 223};

inline std::vector<LayoutRow> LayoutRows() {
    using C = Form1Control;
    return {
        {.name = "empty", .layout = "", .pixels = kBuiltInRgb},
        {.name = "a place the control refuses skips that value only",
         .layout = "rgb=1e30,20,30,40,255",
         .pixels = {84, 20, 114, 60},
         .foreColor = 255},
        {.name = "a colour out of range keeps the earlier one",
         .layout = "hex=12,50,120,16,16711680\r\nhex=12,50,120,16,-1",
         .control = C::lbl_HEX,
         .pixels = {12, 50, 132, 66},
         .foreColor = 16711680},
        {.name = "preview places the swatch and its click area",
         .layout = "preview=5,6,30,40,255",
         .control = C::Shape1,
         .pixels = {5, 6, 35, 46}},
        {.name = "the name box keeps its left beyond 32-bit pixels",
         .layout = "text=3e9,7",
         .control = C::Text1,
         .pixels = {108, 7, 250, 29}},
        {.name = "a loupe of 15 x 15 cells",
         .layout = "zoom=10,10,90,90,6",
         .pixels = kBuiltInRgb,
         .loupeGrid = PixelRect{10, 10, 100, 100},
         .loupeFactor = 6},
        {.name = "zoom=1e12 after a good zoom line keeps the loupe",
         .layout = "zoom=10,10,90,90,6\r\nzoom=1e12\r\n",
         .pixels = kBuiltInRgb,
         .loupeGrid = PixelRect{10, 10, 100, 100},
         .loupeFactor = 6},
        {.name = "zoom=3e9 is skipped, the rest of its line applies",
         .layout = "zoom=10,10,90,90,6\r\nzoom=3e9,4",
         .pixels = kBuiltInRgb,
         .loupeGrid = PixelRect{10, 4, 100, 94},
         .loupeFactor = 6},
        {.name = "a factor out of range keeps the earlier one",
         .layout = "zoom=10,10,90,90,6\r\nzoom=10,10,90,90,40",
         .pixels = kBuiltInRgb,
         .loupeGrid = PixelRect{10, 10, 100, 100},
         .loupeFactor = 6},
        {.name = "a loupe half outside the window takes whole cells inside it",
         .layout = "zoom=150,10,90,90,6",
         .pixels = kBuiltInRgb,
         .loupeGrid = PixelRect{154, 10, 196, 100},
         .loupeFactor = 6},
        {.name = "a box too small for one cell is no loupe", .layout = "zoom=10,10,5,90,6", .pixels = kBuiltInRgb},
        {.name = "trans gives the alpha", .layout = "trans=80", .pixels = kBuiltInRgb, .alpha = 80},
        {.name = "an unusable trans keeps the earlier alpha",
         .layout = "trans=80\r\ntrans=100",
         .pixels = kBuiltInRgb,
         .alpha = 80},
        {.name = "csshex places its readout",
         .layout = "csshex=12,30,100,16,255",
         .control = C::lbl_CSSHEX,
         .pixels = {12, 30, 112, 46},
         .foreColor = 255},
        {.name = "a newer readout without its line is not in the window",
         .layout = "rgb=1,2,3,4",
         .control = C::lbl_STATE,
         .shown = false},
        {.name = "a history of 4 swatches",
         .layout = "history=10,90,160,20,4",
         .pixels = kBuiltInRgb,
         .historyBox = PixelRect{10, 90, 170, 110},
         .historyCount = 4},
        {.name = "a count out of range is 8, whatever an earlier line gave",
         .layout = "history=10,90,160,20,4\r\nhistory=10,90,160,20,33",
         .pixels = kBuiltInRgb,
         .historyBox = PixelRect{10, 90, 170, 110},
         .historyCount = 8},
        {.name = "a count that is not whole is 8, not rounded",
         .layout = "history=10,90,160,20,2.5",
         .pixels = kBuiltInRgb,
         .historyBox = PixelRect{10, 90, 170, 110},
         .historyCount = 8},
        {.name = "a layout over 64 MiB is refused",
         .layout = std::string(kMaxLayoutBytes + 1024 * 1024, '\r'),
         .pixels = kBuiltInRgb,
         .refused = true},
    };
}

}  // namespace pixlin::testing
