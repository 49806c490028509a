#pragma once

#include <string>
#include <string_view>

namespace pixlin {

// The about message's title: the project's web host.
inline constexpr char kAboutTitle[] = "pixlin.example.org";

// "Pixlin V" major "." minor, the notice, the date as the user writes it, CR LF and the project's web address; the
// date is given so that the text does not depend on the day it is built.
std::string AboutText(std::string_view shortDate);

}  // namespace pixlin
