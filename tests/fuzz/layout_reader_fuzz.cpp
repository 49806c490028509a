#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/layout/layout_reader.h"
#include "core/layout/skin_layout.h"

namespace {

// What the window may rely on, whatever the file holds.
void CheckAssignment(const pixlin::LayoutAssignment& assignment) {
    using pixlin::LayoutField;
    const double amount = assignment.amount;
    bool usable = std::isfinite(amount);
    switch (assignment.field) {
        case LayoutField::Width:
        case LayoutField::Height:
            usable = usable && amount >= 0.0;
            break;
        case LayoutField::Factor:
            usable = usable && amount >= pixlin::kMinLoupeFactor && amount <= pixlin::kMaxLoupeFactor;
            break;
        case LayoutField::TextColour:
            usable = usable && amount >= 0.0 && amount <= 0xFFFFFF;
            break;
        case LayoutField::Alpha:
            usable = usable && amount >= 0.0 && amount <= 100.0;
            break;
        case LayoutField::Count:
            usable = usable && amount >= pixlin::kMinHistoryCount && amount <= pixlin::kMaxHistoryCount;
            break;
        case LayoutField::Left:
        case LayoutField::Top:
            break;
    }
    if (!usable || (!pixlin::IsPlace(assignment.field) && std::nearbyint(amount) != amount)) {
        std::abort();
    }
}

bool Same(const pixlin::SkinLayout& a, const pixlin::SkinLayout& b) {
    for (std::size_t i = 0; i < a.controls.size(); ++i) {
        const pixlin::ControlLayout& x = a.controls[i];
        const pixlin::ControlLayout& y = b.controls[i];
        if (!(x.pixels == y.pixels) || x.foreColor != y.foreColor || x.placedBy != y.placedBy) {
            return false;
        }
    }
    const bool sameLoupe = a.loupe.has_value() == b.loupe.has_value() &&
                           (!a.loupe || (a.loupe->geometry == b.loupe->geometry && a.loupe->box == b.loupe->box &&
                                         a.loupe->factor == b.loupe->factor));
    const bool sameHistory = a.history.has_value() == b.history.has_value() &&
                             (!a.history || (a.history->box == b.history->box && a.history->count == b.history->count));
    return sameLoupe && sameHistory && a.alpha == b.alpha;
}

// The picker reads the file in chunks; cut anywhere, they must give what the whole file gives.
void CheckChunks(std::string_view bytes, std::int32_t dpi) {
    const pixlin::LayoutContext context{pixlin::DisplayScale(dpi), pixlin::PixelRect{0, 0, 300 * dpi / 96, 400}};
    const pixlin::SkinLayout whole = pixlin::ReadSkinLayout(bytes, context);
    pixlin::SkinLayoutReader reader(context, bytes.size());
    const std::size_t chunk = 1 + bytes.size() % 7;
    for (std::size_t at = 0; at < bytes.size(); at += chunk) {
        reader.Feed(bytes.substr(at, chunk));
    }
    if (!Same(whole, reader.Finish())) {
        std::abort();
    }
    if (whole.loupe && whole.loupe->geometry && whole.loupe->geometry->factor != whole.loupe->factor) {
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    for (const auto& assignment : pixlin::ReadLayoutFile(bytes, pixlin::LayoutScale{15.0f, 15.0f})) {
        CheckAssignment(assignment);
    }
    for (const auto& assignment : pixlin::ReadLayoutFile(bytes, pixlin::LayoutScale{1.0f, 26.6667f})) {
        CheckAssignment(assignment);
    }
    CheckChunks(bytes, 96);
    CheckChunks(bytes, 168);
    return 0;
}
