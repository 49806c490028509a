#pragma once

#include "skintool/control_places.h"
#include "skintool/finding.h"
#include "skintool/skin_picture.h"

namespace pixlin::skintool {

// Colours the picker's name box uses behind its text.
inline constexpr std::uint32_t kNameBoxBackground = 0xFFFFFF;

// Controls outside the bitmap, over cut-out pixels or over one another, texts wider than their boxes, and the
// contrast of each text against what lies under it. `picture` is null when the bitmap could not be decoded: only the
// overlaps and the texts' widths are checked then.
Findings PlaceFindings(const WindowLayout& layout, const SkinPicture* picture);

// The WCAG 2 contrast of the control's text colour against the mean luminance of the opaque bitmap pixels under its
// box (the name box: its white background). Nothing for a control without text or without opaque pixels under it.
std::optional<double> TextContrast(const PlacedControl& control, const SkinPicture& picture);

}  // namespace pixlin::skintool
