#include "skintool/control_places.h"

#include <algorithm>
#include <array>
#include <variant>

#include "app/run_error.h"
#include "skintool/layout_text.h"
#include "window/layout_lines.h"
#include "window/with_property.h"

namespace pixlin::skintool {
namespace {

struct ControlDesign {
    LayoutControl control;
    ControlRole role;
    std::string_view name;
    TwipsRect place;
    bool drawsText;
};

constexpr TwipsRect LabelPlace(Form1Label label) {
    return kLabelDesign[static_cast<std::size_t>(label)].place;
}

// In the picker's stacking order, bottom first: the swatch, the labels as they are created, the name box on top.
constexpr std::array kControls{
    ControlDesign{LayoutControl::Shape1, ControlRole::Swatch, "preview swatch", kShape1Design, false},
    ControlDesign{LayoutControl::lbl_Shape, ControlRole::ClickArea, "preview click area",
                  LabelPlace(Form1Label::lbl_Shape), false},
    ControlDesign{LayoutControl::lbl_HLS, ControlRole::Readout, "hls readout", LabelPlace(Form1Label::lbl_HLS), true},
    ControlDesign{LayoutControl::lbl_CMY, ControlRole::Readout, "cmy readout", LabelPlace(Form1Label::lbl_CMY), true},
    ControlDesign{LayoutControl::lbl_CMYK, ControlRole::Readout, "cmyk readout", LabelPlace(Form1Label::lbl_CMYK),
                  true},
    ControlDesign{LayoutControl::lbl_YCBCR, ControlRole::Readout, "ycbcr readout", LabelPlace(Form1Label::lbl_YCBCR),
                  true},
    ControlDesign{LayoutControl::lbl_LONG, ControlRole::Readout, "long readout", LabelPlace(Form1Label::lbl_LONG),
                  true},
    ControlDesign{LayoutControl::lbl_HEX, ControlRole::Readout, "hex readout", LabelPlace(Form1Label::lbl_HEX), true},
    ControlDesign{LayoutControl::lbl_RGB, ControlRole::Readout, "rgb readout", LabelPlace(Form1Label::lbl_RGB), true},
    ControlDesign{LayoutControl::Label3, ControlRole::Quit, "quit area", LabelPlace(Form1Label::Label3), false},
    ControlDesign{LayoutControl::Text1, ControlRole::NameBox, "text name box", kText1Design, true},
};

using Places = std::array<TwipsRect, kControls.size()>;

std::size_t IndexOf(LayoutControl control) {
    return static_cast<std::size_t>(
        std::find_if(kControls.begin(), kControls.end(),
                     [control](const ControlDesign& design) { return design.control == control; }) -
        kControls.begin());
}

void Apply(const LayoutAssignment& assignment, std::int32_t line, WindowLayout& layout, Places& places) {
    if (const auto* placement = std::get_if<PlacementAssignment>(&assignment)) {
        const std::size_t i = IndexOf(placement->control);
        if (i == kControls.size()) {
            return;
        }
        const TwipsRect place = WithProperty(places[i], placement->property, placement->twips);
        // A place whose pixels overflow is refused, as in the picker.
        try {
            layout.controls[i].box = ToPixels(place, LayoutScale{});
        } catch (const RunError&) {
            return;
        }
        places[i] = place;
        layout.controls[i].named = true;
        layout.controls[i].line = line;
    } else if (const auto* foreColor = std::get_if<ForeColorAssignment>(&assignment)) {
        const std::size_t i = IndexOf(foreColor->control);
        if (i < kControls.size() && kControls[i].drawsText) {
            layout.controls[i].foreColor = foreColor->colour;
        }
    } else if (const auto* alpha = std::get_if<TranslucencyAssignment>(&assignment)) {
        layout.alpha = alpha->alpha;
    }
}

}  // namespace

WindowLayout PlaceControls(std::string_view layoutBytes) {
    const LayoutScale scale;
    Places places;
    WindowLayout layout;
    for (std::size_t i = 0; i < kControls.size(); ++i) {
        places[i] = kControls[i].place;
        layout.controls.push_back(PlacedControl{
            kControls[i].control, kControls[i].role, std::string(kControls[i].name), ToPixels(places[i], scale),
            kControls[i].drawsText ? std::optional<std::int32_t>(0) : std::nullopt, false, 0});
    }
    const EditorLines lines(layoutBytes);
    std::string_view rest = layoutBytes;
    std::vector<LayoutAssignment> assignments;
    while (const auto line = TakeLayoutLine(rest)) {
        assignments.clear();
        ReadLayoutLine(*line, scale, assignments);
        const std::int32_t number = lines.LineAt(static_cast<std::size_t>(line->data() - layoutBytes.data()));
        for (const LayoutAssignment& assignment : assignments) {
            Apply(assignment, number, layout, places);
        }
    }
    return layout;
}

}  // namespace pixlin::skintool
