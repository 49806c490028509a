#include "skintool/printable_text.h"

#include <gtest/gtest.h>

namespace pixlin::skintool {
namespace {

TEST(Printable, KeepsPrintableUnicodeAndEscapesEverythingElse) {
    const struct {
        const char* text;
        const char* printable;
    } rows[] = {
        {"Skin \xC3\xBC \xE8\xA1\xA8", "Skin \xC3\xBC \xE8\xA1\xA8"},
        {"C:\\Skins\\Blue", "C:\\Skins\\Blue"},
        {"a\x1B[31mb\r\nc\td", "a\\x1B[31mb\\x0D\\x0Ac\\x09d"},
        {"del\x7F", "del\\x7F"},
        {"next line \xC2\x85", "next line \\xC2\\x85"},
        {"right-to-left \xE2\x80\xAEgpj.exe", "right-to-left \\xE2\\x80\\xAEgpj.exe"},
        {"isolate \xE2\x81\xA6x", "isolate \\xE2\\x81\\xA6x"},
        {"overlong \xC0\xAF", "overlong \\xC0\\xAF"},
        {"surrogate \xED\xA0\x80", "surrogate \\xED\\xA0\\x80"},
        {"past Unicode \xF4\x90\x80\x80", "past Unicode \\xF4\\x90\\x80\\x80"},
        {"cut short \xE2\x82", "cut short \\xE2\\x82"},
        {"stray \xFF byte", "stray \\xFF byte"},
        {"emoji \xF0\x9F\x8E\xA8", "emoji \xF0\x9F\x8E\xA8"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(Printable(row.text), row.printable) << row.printable;
    }
}

}  // namespace
}  // namespace pixlin::skintool
