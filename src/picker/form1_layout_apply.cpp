#include "picker/form1.h"

#include "core/base/skip_on_failure.h"
#include "core/layout/skin_layout.h"
#include "core/texts/paste_texts.h"
#include "win32/betriebssystem_version.h"
#include "win32/trans.h"

namespace pixlin {
namespace {

// Translucent windows came with major version 5.
constexpr int16_t kLastVersionWithoutLayers = 4;

}  // namespace

LayoutContext Form1::LayoutContextNow() const {
    RECT client{};
    GetClientRect(hwnd_, &client);
    return LayoutContext{scale_, PixelRect{client.left, client.top, client.right, client.bottom}};
}

// The reading has already refused every place whose pixels overflow at the window's scale, so each control takes its
// result as it is.
void Form1::ApplyLayout(const SkinLayout& layout) {
    for (std::size_t i = 0; i < kForm1LabelCount; ++i) {
        labels_[i].place = layout.controls[i].place;
        labels_[i].pixels = layout.controls[i].pixels;
        labels_[i].foreColor = static_cast<COLORREF>(layout.controls[i].foreColor);
    }
    ShowNewLabels(layout);
    const ControlLayout& shape = layout.Control(Form1Control::Shape1);
    shape1_.place = shape.place;
    shape1_.pixels = shape.pixels;
    const ControlLayout& text = layout.Control(Form1Control::Text1);
    if (text.placedBy != 0) {
        text1Place_ = text.place;
        SkipOnFailure([this, &text] {
            MoveWindow(text1_, text.pixels.left, text.pixels.top, text.pixels.right - text.pixels.left,
                       text.pixels.bottom - text.pixels.top, TRUE);
        });
    }
    if (static_cast<COLORREF>(text.foreColor) != text1ForeColor_) {
        text1ForeColor_ = static_cast<COLORREF>(text.foreColor);
        InvalidateRect(text1_, nullptr, TRUE);
    }
    if (layout.alpha) {
        SkipOnFailure([this, &layout] {
            if (GetOsVersion() > kLastVersionWithoutLayers) {
                SetTranslucency(hwnd_, *layout.alpha);
            }
        });
    }
    if (layout.history) {
        history_.Place(*layout.history);
    }
    if (layout.loupe) {
        loupe_.Place(layout.loupe->place, layout.loupe->factor);
    }
    SkipOnFailure([this] { ArrangeLoupe(); });
    InvalidateRect(hwnd_, nullptr, FALSE);
}

// A newer label comes into the window only with a line of its key; a skin without one costs nothing per tick.
void Form1::ShowNewLabels(const SkinLayout& layout) {
    pasteForms_.clear();
    for (std::size_t i = 0; i < kForm1LabelCount; ++i) {
        const auto label = static_cast<Form1Control>(i);
        shown_[i] = layout.Shows(label);
        if (shown_[i] && IsOptional(label) && IsReadout(label)) {
            pasteForms_.push_back(label);
        }
    }
    ShowState();
}

void Form1::ArrangeLoupe() {
    RECT client{};
    GetClientRect(hwnd_, &client);
    loupe_.Arrange(scale_, {client.left, client.top, client.right, client.bottom});
}

}  // namespace pixlin
