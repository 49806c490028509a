#include "core/layout/skin_layout.h"

#include "core/base/run_error.h"
#include "core/design/form1_design.h"
#include "core/layout/skin_limits.h"

namespace pixlin {
namespace {

TwipsRect BuiltInPlace(Form1Control control) {
    switch (control) {
        case Form1Control::Shape1:
            return kShape1Design;
        case Form1Control::Text1:
            return kText1Design;
        default:
            return kLabelDesign[IndexOf(control)].place;
    }
}

TwipsRect WithField(TwipsRect place, LayoutField field, float twips) {
    switch (field) {
        case LayoutField::Left:
            place.left = twips;
            break;
        case LayoutField::Top:
            place.top = twips;
            break;
        case LayoutField::Width:
            place.width = twips;
            break;
        default:
            place.height = twips;
            break;
    }
    return place;
}

// Nothing for a place whose pixels overflow at the scale.
std::optional<PixelRect> PixelsOf(const TwipsRect& place, const DisplayScale& scale) {
    try {
        return ToPixels(place, scale);
    } catch (const RunError&) {
        return std::nullopt;
    }
}

}  // namespace

std::optional<LayoutRefusal> RefuseLayoutFile(std::uint64_t fileBytes) noexcept {
    return fileBytes > kMaxLayoutBytes ? std::optional(LayoutRefusal::TooLarge) : std::nullopt;
}

SkinLayoutReader::SkinLayoutReader(const LayoutContext& context, std::uint64_t fileBytes) : context_(context) {
    for (std::size_t i = 0; i < kForm1ControlCount; ++i) {
        ControlLayout& control = layout_.controls[i];
        control.place = BuiltInPlace(static_cast<Form1Control>(i));
        control.pixels = PixelsOf(control.place, context_.scale).value_or(PixelRect{});
    }
    layout_.refusal = RefuseLayoutFile(fileBytes);
}

std::span<const LayoutAssignment> SkinLayoutReader::TakeLine(std::string_view line) {
    ++lineNumber_;
    read_.clear();
    taken_.clear();
    if (Refused()) {
        return taken_;
    }
    // Places in the file are pixels at 100 %; the controls take them at the window's scale.
    ReadLayoutLine(line, kUnscaledLayout, read_);
    for (const LayoutAssignment& assignment : read_) {
        if (Take(assignment)) {
            taken_.push_back(assignment);
        }
    }
    return taken_;
}

void SkinLayoutReader::Feed(std::string_view chunk) {
    lines_.Feed(chunk, [this](std::string_view line) { TakeLine(line); });
}

SkinLayout SkinLayoutReader::Finish() {
    lines_.Finish([this](std::string_view line) { TakeLine(line); });
    if (loupePlaced_ && !Refused()) {
        loupe_.geometry =
            MakeLoupeGeometry(loupe_.box, loupe_.factor, context_.window.value_or(loupe_.box), context_.scale);
        layout_.loupe = loupe_;
    }
    if (history_.placedBy != 0 && !Refused()) {
        layout_.history = history_;
    }
    return layout_;
}

bool SkinLayoutReader::Take(const LayoutAssignment& assignment) {
    const LayoutKeyRow& row = RowOf(assignment.key);
    switch (row.target) {
        case LayoutTarget::Window:
            layout_.alpha = static_cast<std::int16_t>(assignment.amount);
            return true;
        case LayoutTarget::Loupe:
            if (assignment.field == LayoutField::Factor) {
                loupe_.factor = static_cast<std::int32_t>(assignment.amount);
                loupe_.factorBy = lineNumber_;
                return true;
            }
            if (!TakePlace(loupe_.place, loupe_.box, loupe_.placedBy, assignment)) {
                return false;
            }
            loupePlaced_ = true;
            return true;
        case LayoutTarget::History:
            if (assignment.field == LayoutField::Count) {
                history_.count = static_cast<std::int32_t>(assignment.amount);
                history_.countBy = lineNumber_;
                return true;
            }
            return TakePlace(history_.place, history_.box, history_.placedBy, assignment);
        case LayoutTarget::Controls:
            break;
    }
    bool taken = false;
    for (const Form1Control control : row.controls) {
        ControlLayout& layout = layout_.controls[IndexOf(control)];
        if (assignment.field == LayoutField::TextColour) {
            layout.foreColor = static_cast<std::int32_t>(assignment.amount);
            taken = true;
        } else if (IsPlace(assignment.field)) {
            taken = TakePlace(layout.place, layout.pixels, layout.placedBy, assignment) || taken;
        }
    }
    return taken;
}

bool SkinLayoutReader::TakePlace(TwipsRect& place,
                                 PixelRect& pixels,
                                 std::int64_t& placedBy,
                                 const LayoutAssignment& assignment) {
    const TwipsRect changed = WithField(place, assignment.field, static_cast<float>(assignment.amount));
    const std::optional<PixelRect> changedPixels = PixelsOf(changed, context_.scale);
    if (!changedPixels) {
        return false;
    }
    place = changed;
    pixels = *changedPixels;
    placedBy = lineNumber_;
    return true;
}

SkinLayout ReadSkinLayout(std::string_view bytes, const LayoutContext& context) {
    SkinLayoutReader reader(context, bytes.size());
    if (!reader.Refused()) {
        reader.Feed(bytes);
    }
    return reader.Finish();
}

}  // namespace pixlin
