#pragma once

// The one place the program's version lives; the resource script and the about
// message both read it.

#define PIXLIN_VERSION_MAJOR 3
#define PIXLIN_VERSION_MINOR 0
#define PIXLIN_VERSION_TEXT "3.0"

#ifndef RC_INVOKED
namespace pixlin {
inline constexpr int kVersionMajor = PIXLIN_VERSION_MAJOR;
inline constexpr int kVersionMinor = PIXLIN_VERSION_MINOR;
}  // namespace pixlin
#endif
