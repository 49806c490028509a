#include "core/design/window_actions.h"

#include "core/design/form1_design.h"
#include "core/design/history_swatches.h"

namespace pixlin {

PressTarget PressTargetAt(const WindowAreas& areas, std::int32_t x, std::int32_t y) noexcept {
    if (const std::optional<std::size_t> index = TopmostAt(areas.labels, x, y)) {
        const auto label = static_cast<Form1Control>(*index);
        return {ClickActionOf(label), label};
    }
    if (areas.loupe && areas.loupe->Contains(x, y)) {
        return {WindowAction::PickInLoupe, std::nullopt};
    }
    if (areas.history && HistorySwatchAt(*areas.history, areas.historyCount, x, y)) {
        return {WindowAction::PickFromHistory, std::nullopt};
    }
    return {WindowAction::Drag, std::nullopt};
}

WindowAction RightPressActionAt(const WindowAreas& areas, std::int32_t x, std::int32_t y) noexcept {
    if (areas.swatch && areas.swatch->Contains(x, y)) {
        return WindowAction::ColourMenu;
    }
    switch (PressTargetAt(areas, x, y).action) {
        case WindowAction::PickFromHistory:
            return WindowAction::ColourMenu;
        case WindowAction::Drag:
            return WindowAction::Drag;
        default:
            return WindowAction::None;
    }
}

}  // namespace pixlin
