#pragma once

#include "core/colour/contrast.h"

namespace pixlin::skintool {

// Below this text is hard to read (WCAG 2 for large text and user-interface components).
inline constexpr double kMinContrast = 3.0;

}  // namespace pixlin::skintool
