#include "window/form1.h"

#include <variant>

#include "window/layout_reader.h"
#include "window/skip_on_failure.h"
#include "window/with_property.h"
#include "winsvc/betriebssystem_version.h"
#include "winsvc/trans.h"

namespace pixlin {
namespace {

// Translucent windows came with major version 5.
constexpr int16_t kLastVersionWithoutLayers = 4;

std::optional<Form1Label> LabelOf(LayoutControl control) noexcept {
    switch (control) {
        case LayoutControl::lbl_RGB:
            return Form1Label::lbl_RGB;
        case LayoutControl::lbl_HLS:
            return Form1Label::lbl_HLS;
        case LayoutControl::lbl_CMYK:
            return Form1Label::lbl_CMYK;
        case LayoutControl::lbl_CMY:
            return Form1Label::lbl_CMY;
        case LayoutControl::lbl_LONG:
            return Form1Label::lbl_LONG;
        case LayoutControl::lbl_HEX:
            return Form1Label::lbl_HEX;
        case LayoutControl::lbl_YCBCR:
            return Form1Label::lbl_YCBCR;
        case LayoutControl::lbl_Shape:
            return Form1Label::lbl_Shape;
        case LayoutControl::Label3:
            return Form1Label::Label3;
        case LayoutControl::Shape1:
        case LayoutControl::Text1:
            break;
    }
    return std::nullopt;
}

}  // namespace

// The window is already on the screen: the controls move in one repaint at the end.
void Form1::ApplyLayout(std::string_view layoutBytes) {
    for (const LayoutAssignment& assignment : pixlin::ReadLayoutFile(layoutBytes, scale_)) {
        SkipOnFailure([this, &assignment] {
            if (const auto* placement = std::get_if<PlacementAssignment>(&assignment)) {
                PlaceControl(*placement);
            } else if (const auto* foreColor = std::get_if<ForeColorAssignment>(&assignment)) {
                SetControlForeColor(*foreColor);
            } else if (GetOsVersion() > kLastVersionWithoutLayers) {
                SetTranslucency(hwnd_, std::get<TranslucencyAssignment>(assignment).alpha);
            }
        });
    }
    InvalidateRect(hwnd_, nullptr, FALSE);
}

// A place whose pixels overflow is refused before anything changes, so the control keeps its previous place.
void Form1::PlaceControl(const PlacementAssignment& assignment) {
    if (assignment.control == LayoutControl::Shape1) {
        const TwipsRect place = WithProperty(shape1_.place, assignment.property, assignment.twips);
        shape1_.pixels = ToPixels(place, scale_);
        shape1_.place = place;
    } else if (assignment.control == LayoutControl::Text1) {
        const TwipsRect place = WithProperty(text1Place_, assignment.property, assignment.twips);
        const PixelRect pixels = ToPixels(place, scale_);
        text1Place_ = place;
        MoveWindow(text1_, pixels.left, pixels.top, pixels.right - pixels.left, pixels.bottom - pixels.top, TRUE);
    } else if (const std::optional<Form1Label> label = LabelOf(assignment.control)) {
        LabelControl& control = labels_[static_cast<std::size_t>(*label)];
        const TwipsRect place = WithProperty(control.place, assignment.property, assignment.twips);
        control.pixels = ToPixels(place, scale_);
        control.place = place;
    }
}

void Form1::SetControlForeColor(const ForeColorAssignment& assignment) {
    const auto colour = static_cast<COLORREF>(assignment.colour);
    if (assignment.control == LayoutControl::Text1) {
        text1ForeColor_ = colour;
        InvalidateRect(text1_, nullptr, TRUE);
    } else if (const std::optional<Form1Label> label = LabelOf(assignment.control)) {
        labels_[static_cast<std::size_t>(*label)].foreColor = colour;
    }
}

}  // namespace pixlin
