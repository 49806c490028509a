#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "skintool/control_places.h"
#include "skintool/finding.h"

namespace pixlin::skintool {

struct LayoutCheck {
    Findings findings;
    LayoutReading reading;
};

// Every trap of the layout file, line by line, with what the picker's one reading makes of each line. `bytes` are the
// file's, or only its start when `fileBytes` is over the picker's limit; `window` is the bitmap's area, none when the
// bitmap cannot be shown.
LayoutCheck CheckLayout(std::string_view bytes, std::uint64_t fileBytes, std::optional<PixelRect> window);

// The findings of a whole file's bytes.
Findings LayoutFindings(std::string_view bytes);

}  // namespace pixlin::skintool
