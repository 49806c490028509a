#include "skintool/control_places.h"

#include <algorithm>
#include <array>
#include <variant>

#include "core/base/run_error.h"
#include "core/skin/layout_lines.h"
#include "core/skin/with_property.h"
#include "skintool/key_uses.h"
#include "skintool/layout_text.h"

namespace pixlin::skintool {
namespace {

struct ControlDesign {
    Form1Control control;
    LayoutKey key;
    ControlRole role;
    std::string_view name;
    TwipsRect place;
    bool drawsText;
};

constexpr TwipsRect LabelPlace(Form1Control label) {
    return kLabelDesign[IndexOf(label)].place;
}

// In the picker's stacking order, bottom first: the swatch, the labels as they are created, the name box on top.
constexpr std::array kControls{
    ControlDesign{Form1Control::Shape1, LayoutKey::Preview, ControlRole::Swatch, "preview swatch", kShape1Design,
                  false},
    ControlDesign{Form1Control::lbl_Shape, LayoutKey::Preview, ControlRole::ClickArea, "preview click area",
                  LabelPlace(Form1Control::lbl_Shape), false},
    ControlDesign{Form1Control::lbl_HLS, LayoutKey::Hls, ControlRole::Readout, "hls readout",
                  LabelPlace(Form1Control::lbl_HLS), true},
    ControlDesign{Form1Control::lbl_CMY, LayoutKey::Cmy, ControlRole::Readout, "cmy readout",
                  LabelPlace(Form1Control::lbl_CMY), true},
    ControlDesign{Form1Control::lbl_CMYK, LayoutKey::Cmyk, ControlRole::Readout, "cmyk readout",
                  LabelPlace(Form1Control::lbl_CMYK), true},
    ControlDesign{Form1Control::lbl_YCBCR, LayoutKey::Ycbcr, ControlRole::Readout, "ycbcr readout",
                  LabelPlace(Form1Control::lbl_YCBCR), true},
    ControlDesign{Form1Control::lbl_LONG, LayoutKey::Long, ControlRole::Readout, "long readout",
                  LabelPlace(Form1Control::lbl_LONG), true},
    ControlDesign{Form1Control::lbl_HEX, LayoutKey::Hex, ControlRole::Readout, "hex readout",
                  LabelPlace(Form1Control::lbl_HEX), true},
    ControlDesign{Form1Control::lbl_RGB, LayoutKey::Rgb, ControlRole::Readout, "rgb readout",
                  LabelPlace(Form1Control::lbl_RGB), true},
    ControlDesign{Form1Control::Label3, LayoutKey::Quit, ControlRole::Quit, "quit area",
                  LabelPlace(Form1Control::Label3), false},
    ControlDesign{Form1Control::Text1, LayoutKey::Text, ControlRole::NameBox, "text name box", kText1Design, true},
};

using Places = std::array<TwipsRect, kControls.size()>;

struct LoupePlace {
    TwipsRect place;
    PixelRect box;
    std::int32_t line = 0;
};

// A place whose pixels overflow is refused, as in the picker.
std::optional<PixelRect> PixelsOf(const TwipsRect& place) {
    try {
        return ToPixels(place, LayoutScale{});
    } catch (const RunError&) {
        return std::nullopt;
    }
}

// Every control of the assignment's key takes it on its own, as in the picker.
void Apply(const LayoutAssignment& assignment,
           std::int32_t line,
           WindowLayout& layout,
           Places& places,
           std::optional<LoupePlace>& loupe) {
    if (const auto* alpha = std::get_if<TranslucencyAssignment>(&assignment)) {
        layout.alpha = alpha->alpha;
        return;
    }
    if (const auto* factor = std::get_if<LoupeFactorAssignment>(&assignment)) {
        layout.loupeFactor = factor->factor;
        layout.loupeFactorLine = line;
        return;
    }
    if (const auto* placement = std::get_if<LoupePlacementAssignment>(&assignment)) {
        const TwipsRect place = WithProperty(loupe ? loupe->place : TwipsRect{}, placement->property, placement->twips);
        if (const std::optional<PixelRect> box = PixelsOf(place)) {
            loupe = LoupePlace{place, *box, line};
        }
        return;
    }
    for (std::size_t i = 0; i < kControls.size(); ++i) {
        if (const auto* placement = std::get_if<PlacementAssignment>(&assignment)) {
            if (placement->key != kControls[i].key) {
                continue;
            }
            const TwipsRect place = WithProperty(places[i], placement->property, placement->twips);
            const std::optional<PixelRect> box = PixelsOf(place);
            if (!box) {
                continue;
            }
            layout.controls[i].box = *box;
            places[i] = place;
            layout.controls[i].named = true;
            layout.controls[i].line = line;
        } else if (const auto* foreColor = std::get_if<ForeColorAssignment>(&assignment)) {
            if (foreColor->key == kControls[i].key && kControls[i].drawsText) {
                layout.controls[i].foreColor = foreColor->colour;
            }
        }
    }
}

}  // namespace

WindowLayout PlaceControls(std::string_view layoutBytes) {
    const LayoutScale scale;
    Places places;
    WindowLayout layout;
    for (std::size_t i = 0; i < kControls.size(); ++i) {
        places[i] = kControls[i].place;
        layout.controls.push_back(PlacedControl{kControls[i].control, KeyText(kControls[i].key), kControls[i].role,
                                                std::string(kControls[i].name), ToPixels(places[i], scale),
                                                kControls[i].drawsText ? std::optional<std::int32_t>(0) : std::nullopt,
                                                false, 0});
    }
    std::optional<LoupePlace> loupe;
    const EditorLines lines(layoutBytes);
    std::string_view rest = layoutBytes;
    std::vector<LayoutAssignment> assignments;
    while (const auto line = TakeLayoutLine(rest)) {
        assignments.clear();
        ReadLayoutLine(*line, scale, assignments);
        const std::int32_t number = lines.LineAt(static_cast<std::size_t>(line->data() - layoutBytes.data()));
        for (const LayoutAssignment& assignment : assignments) {
            Apply(assignment, number, layout, places, loupe);
        }
    }
    if (loupe) {
        layout.controls.insert(layout.controls.begin(),
                               PlacedControl{std::nullopt, LoupeKeyUse().key, ControlRole::Loupe, "loupe", loupe->box,
                                             std::nullopt, true, loupe->line});
    }
    return layout;
}

}  // namespace pixlin::skintool
