#include "core/texts/about_text.h"

#include "core/texts/version.h"

namespace pixlin {
namespace {

// The blanks at both ends keep the notice apart from the version before it and the date after it.
constexpr std::string_view kNotice = " - screen colour picker, free to use - ";
constexpr std::string_view kWebAddress = "https://pixlin.example.org";

}  // namespace

std::string AboutText(std::string_view shortDate) {
    std::string text = "Pixlin V";
    text += std::to_string(kVersionMajor);
    text += '.';
    text += std::to_string(kVersionMinor);
    text += kNotice;
    text += shortDate;
    text += "\r\n";
    text += kWebAddress;
    return text;
}

}  // namespace pixlin
