#include "window/form1.h"

#include <variant>

#include "window/form1_bindings.h"
#include "window/layout_reader.h"
#include "window/skip_on_failure.h"
#include "window/with_property.h"
#include "winsvc/betriebssystem_version.h"
#include "winsvc/trans.h"

namespace pixlin {
namespace {

// Translucent windows came with major version 5.
constexpr int16_t kLastVersionWithoutLayers = 4;

}  // namespace

// The window is already on the screen: the controls move in one repaint at the end. Each control takes each
// assignment on its own, so that one control refusing a place leaves the other one a key places unaffected.
void Form1::ApplyLayout(std::string_view layoutBytes) {
    for (const LayoutAssignment& assignment : ReadLayoutFile(layoutBytes, kUnscaledLayout)) {
        if (const auto* translucency = std::get_if<TranslucencyAssignment>(&assignment)) {
            SkipOnFailure([this, translucency] {
                if (GetOsVersion() > kLastVersionWithoutLayers) {
                    SetTranslucency(hwnd_, translucency->alpha);
                }
            });
            continue;
        }
        if (const auto* loupePlace = std::get_if<LoupePlacementAssignment>(&assignment)) {
            loupe_.Place(loupePlace->property, loupePlace->twips);
            continue;
        }
        if (const auto* loupeFactor = std::get_if<LoupeFactorAssignment>(&assignment)) {
            loupe_.SetFactor(loupeFactor->factor);
            continue;
        }
        for (const ControlBinding& binding : kControlBindings) {
            SkipOnFailure([this, &assignment, &binding] {
                if (const auto* placement = std::get_if<PlacementAssignment>(&assignment)) {
                    if (placement->key == binding.layoutKey) {
                        PlaceControl(binding.control, placement->property, placement->twips);
                    }
                } else if (const auto* foreColor = std::get_if<ForeColorAssignment>(&assignment)) {
                    if (foreColor->key == binding.layoutKey) {
                        SetControlForeColor(binding.control, static_cast<COLORREF>(foreColor->colour));
                    }
                }
            });
        }
    }
    SkipOnFailure([this] { ArrangeLoupe(); });
    InvalidateRect(hwnd_, nullptr, FALSE);
}

void Form1::ArrangeLoupe() {
    RECT client{};
    GetClientRect(hwnd_, &client);
    loupe_.Arrange(scale_, {client.left, client.top, client.right, client.bottom});
}

// A place whose pixels overflow is refused before anything changes, so the control keeps its previous place.
void Form1::PlaceControl(Form1Control control, PlacementProperty property, float twips) {
    if (control == Form1Control::Shape1) {
        const TwipsRect place = WithProperty(shape1_.place, property, twips);
        shape1_.pixels = ToPixels(place, scale_);
        shape1_.place = place;
    } else if (control == Form1Control::Text1) {
        const TwipsRect place = WithProperty(text1Place_, property, twips);
        const PixelRect pixels = ToPixels(place, scale_);
        text1Place_ = place;
        MoveWindow(text1_, pixels.left, pixels.top, pixels.right - pixels.left, pixels.bottom - pixels.top, TRUE);
    } else {
        LabelControl& label = labels_[IndexOf(control)];
        const TwipsRect place = WithProperty(label.place, property, twips);
        label.pixels = ToPixels(place, scale_);
        label.place = place;
    }
}

void Form1::SetControlForeColor(Form1Control control, COLORREF colour) {
    if (control == Form1Control::Text1) {
        text1ForeColor_ = colour;
        InvalidateRect(text1_, nullptr, TRUE);
    } else if (IsLabel(control)) {
        labels_[IndexOf(control)].foreColor = colour;
    }
}

}  // namespace pixlin
