#pragma once

#include <cstdint>

namespace pixlin {

// The operating system's major version; 0 when the system will not say.
int16_t GetOsVersion();

}  // namespace pixlin
