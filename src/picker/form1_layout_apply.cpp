#include "picker/form1.h"

#include "core/base/skip_on_failure.h"
#include "core/layout/skin_layout.h"
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

void Form1::ApplyLayout(const SkinLayout& layout) {
    panel_.ApplyLayout(layout);
    panel_.ShowState(!timer1_->Enabled());
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

void Form1::ArrangeLoupe() {
    RECT client{};
    GetClientRect(hwnd_, &client);
    loupe_.Arrange(scale_, {client.left, client.top, client.right, client.bottom});
}

}  // namespace pixlin
