#pragma once

// Whether Windows manages a monitor's colour itself: HDR, or automatic colour management on an SDR display ("advanced
// colour"). Then what programs draw is composed in a wide space and mapped to the display by the system, and the
// display's ICC profile no longer says what a pixel read back means.

#include <string>

namespace pixlin {

// For the monitor with the GDI device name `device` ("\\.\DISPLAY1"). False when the system cannot say: older
// systems, and Wine, which answers the question with ERROR_INVALID_PARAMETER.
bool AdvancedColourOn(const std::wstring& device);

}  // namespace pixlin
