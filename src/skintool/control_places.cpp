#include "skintool/control_places.h"

#include <algorithm>

#include "skintool/layout_text.h"

namespace pixlin::skintool {
namespace {

ControlRole RoleOf(Form1Control control) {
    switch (control) {
        case Form1Control::Shape1:
            return ControlRole::Swatch;
        case Form1Control::lbl_Shape:
            return ControlRole::ClickArea;
        case Form1Control::Label3:
            return ControlRole::Quit;
        case Form1Control::Text1:
            return ControlRole::NameBox;
        case Form1Control::lbl_STATE:
        case Form1Control::lbl_PROFILE:
            return ControlRole::State;
        default:
            return ControlRole::Readout;
    }
}

std::string_view RoleWord(ControlRole role) {
    switch (role) {
        case ControlRole::Readout:
            return "readout";
        case ControlRole::Swatch:
            return "swatch";
        case ControlRole::ClickArea:
            return "click area";
        case ControlRole::NameBox:
            return "name box";
        case ControlRole::Quit:
            return "area";
        case ControlRole::State:
            return "text";
        case ControlRole::History:
            return "swatches";
        case ControlRole::Loupe:
            break;
    }
    return "loupe";
}

// The picker's stacking order, bottom first: the swatch, the labels as they are created, the name box on top.
std::vector<Form1Control> StackingOrder() {
    std::vector<Form1Control> order{Form1Control::Shape1};
    for (std::size_t i = 0; i < kForm1LabelCount; ++i) {
        order.push_back(static_cast<Form1Control>(i));
    }
    order.push_back(Form1Control::Text1);
    return order;
}

bool DrawsText(const LayoutKeyRow& row) {
    return std::find(row.fields.begin(), row.fields.end(), LayoutField::TextColour) != row.fields.end();
}

}  // namespace

std::int32_t LayoutReading::EditorLine(std::int64_t readerLine) const {
    return readerLine > 0 && static_cast<std::size_t>(readerLine) <= editorLines.size()
               ? editorLines[static_cast<std::size_t>(readerLine - 1)]
               : 0;
}

LayoutReading ReadLayout(std::string_view bytes,
                         std::uint64_t fileBytes,
                         std::optional<PixelRect> window,
                         const LineVisitor& visit) {
    SkinLayoutReader reader(LayoutContext{DisplayScale(), window}, fileBytes);
    LayoutReading reading;
    if (!reader.Refused()) {
        const EditorLines lines(bytes);
        std::string_view rest = bytes;
        while (const auto line = TakeLayoutLine(rest)) {
            const std::span<const LayoutAssignment> taken = reader.TakeLine(*line);
            reading.editorLines.push_back(lines.LineAt(static_cast<std::size_t>(line->data() - bytes.data())));
            if (visit) {
                visit(*line, reading.editorLines.back(), taken);
            }
        }
    }
    reading.layout = reader.Finish();
    return reading;
}

WindowLayout PlaceControls(const LayoutReading& reading) {
    WindowLayout layout;
    for (const Form1Control control : StackingOrder()) {
        if (!reading.layout.Shows(control)) {
            continue;
        }
        const ControlLayout& placed = reading.layout.Control(control);
        const LayoutKeyRow& row = KeyPlacing(control);
        const ControlRole role = RoleOf(control);
        layout.controls.push_back(
            PlacedControl{control, row.name, role, std::string(row.name) + " " + std::string(RoleWord(role)),
                          placed.pixels, DrawsText(row) ? std::optional<std::int32_t>(placed.foreColor) : std::nullopt,
                          placed.placedBy != 0, reading.EditorLine(placed.placedBy)});
    }
    if (const std::optional<LoupeLayout>& loupe = reading.layout.loupe) {
        layout.loupe = loupe;
        layout.loupeFactorLine = reading.EditorLine(loupe->factorBy);
        layout.controls.insert(layout.controls.begin(),
                               PlacedControl{std::nullopt, RowOf(LayoutKey::Zoom).name, ControlRole::Loupe, "loupe",
                                             loupe->box, std::nullopt, true, reading.EditorLine(loupe->placedBy)});
    }
    // The history's swatches lie over the skin and under the labels, like the swatch.
    if (const std::optional<HistoryLayout>& history = reading.layout.history) {
        layout.history = history;
        layout.controls.insert(
            layout.controls.begin() + (reading.layout.loupe ? 1 : 0),
            PlacedControl{std::nullopt, RowOf(LayoutKey::History).name, ControlRole::History, "history swatches",
                          history->box, std::nullopt, true, reading.EditorLine(history->placedBy)});
    }
    return layout;
}

WindowLayout PlaceControls(std::string_view layoutBytes, std::optional<PixelRect> window) {
    return PlaceControls(ReadLayout(layoutBytes, layoutBytes.size(), window));
}

}  // namespace pixlin::skintool
