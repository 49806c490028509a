#include "core/texts/about_text.h"

#include <gtest/gtest.h>

#include <string>

namespace pixlin {
namespace {

constexpr char kNoticeWithBlanks[] = " - screen colour picker, free to use - ";

TEST(AboutText, VersionNoticeDateThenTheAddressAloneOnTheSecondLine) {
    const struct {
        const char* date;
        const char* expected;
    } rows[] = {
        {"24.05.2025", "Pixlin V3.0 - screen colour picker, free to use - 24.05.2025\r\nhttps://pixlin.example.org"},
        {"5/24/2025", "Pixlin V3.0 - screen colour picker, free to use - 5/24/2025\r\nhttps://pixlin.example.org"},
        // Date formats in other scripts pass through untouched.
        {"2025/5/24 \xe5\x91\xa8\xe5\x85\xad",
         "Pixlin V3.0 - screen colour picker, free to use - 2025/5/24 \xe5\x91\xa8\xe5\x85\xad\r\n"
         "https://pixlin.example.org"},
        {"", "Pixlin V3.0 - screen colour picker, free to use - \r\nhttps://pixlin.example.org"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(AboutText(row.date), row.expected) << row.date;
    }
}

TEST(AboutText, OneLineBreakAndTheTitleIsTheAddresssHost) {
    const std::string text = AboutText("01/02/2003");
    EXPECT_EQ(text.find('\r'), text.rfind('\r'));
    EXPECT_EQ(text.find('\n'), text.rfind('\n'));
    EXPECT_EQ(text.substr(text.find("\r\n") + 2), std::string("https://") + kAboutTitle);
    EXPECT_NE(text.find(std::string("V3.0") + kNoticeWithBlanks + "01/02/2003\r\n"), std::string::npos);
}

}  // namespace
}  // namespace pixlin
