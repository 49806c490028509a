#include "win32/wide_text.h"

#include <gtest/gtest.h>

namespace pixlin {
namespace {

TEST(WideText, RoundTripsEveryPlane) {
    const struct {
        const char* utf8;
        const wchar_t* utf16;
    } rows[] = {
        {"", L""},
        {"white - Weiß", L"white - Wei\u00df"},
        {"royalblue - Königsbalu", L"royalblue - K\u00f6nigsbalu"},
        {"C:\\Tools\\\xe7\x94\xbb", L"C:\\Tools\\\u753b"},
        {"\xf0\x9f\x8e\xa8", L"\U0001F3A8"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(Widen(row.utf8), row.utf16) << row.utf8;
        EXPECT_EQ(Narrow(row.utf16), row.utf8) << row.utf8;
    }
}

}  // namespace
}  // namespace pixlin
