#include "skintool/layout_findings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

namespace pixlin::skintool {
namespace {

// A finding is identified by its kind and the editor line it points at.
struct Expected {
    std::string kind;
    std::int32_t line;
    Severity severity;
};

struct TrapCase {
    std::string_view layout;
    std::vector<Expected> expected;
};

std::string Describe(const Findings& findings) {
    std::string text;
    for (const Finding& finding : findings) {
        text += std::to_string(finding.line) + " " + finding.kind + ": " + finding.message + "\n";
    }
    return text;
}

// Every expected finding is there, and nothing else but notes.
void ExpectFindings(const std::vector<TrapCase>& cases) {
    for (const auto& [layout, expected] : cases) {
        const Findings findings = LayoutFindings(layout);
        for (const Expected& want : expected) {
            const bool found = std::any_of(findings.begin(), findings.end(), [&want](const Finding& f) {
                return f.kind == want.kind && f.line == want.line && f.severity == want.severity;
            });
            EXPECT_TRUE(found) << "missing " << want.kind << " on line " << want.line << " for "
                               << testing::PrintToString(std::string(layout)) << "\n"
                               << Describe(findings);
        }
        for (const Finding& finding : findings) {
            const bool wanted = std::any_of(expected.begin(), expected.end(), [&finding](const Expected& want) {
                return finding.kind == want.kind && finding.line == want.line;
            });
            EXPECT_TRUE(wanted || finding.severity == Severity::Info)
                << "unexpected " << finding.kind << " on line " << finding.line << " for "
                << testing::PrintToString(std::string(layout)) << ": " << finding.message;
        }
    }
}

constexpr Severity W = Severity::Warning;
constexpr Severity E = Severity::Error;
constexpr Severity I = Severity::Info;

TEST(LayoutFindings, EachTrapIsFoundOnItsLine) {
    ExpectFindings({
        {"rgb=1,2,3,4,5\r\nhex=1,30,3,4,5\r\n", {}},
        {"rgb=1,2,3,4,5\nhex=1,30,3,4,5\nlong=1,60,3,4,5", {{"lf-line-ends", 1, W}}},
        {"rgb=1,2,3,4,5\r\nhex=1,30,3,4,5\nlong=1,60,3,4,5\r\n", {{"lf-line-ends", 2, W}}},
        {"rgb=1,2,3,4,5\rhex=1,30,3,4,5\r\nlong=1,60,3,4,5", {{"mixed-line-ends", 0, I}}},
        {"\xEF\xBB\xBFrgb=1,2,3,4,5\r\nhex=1,30,3,4,5", {{"bom", 1, W}}},
        {"\xFF\xFEr\0g\0b\0", {{"utf16", 1, W}}},
        {"hex=1,30,3,4,5\r\nRGB=1,2,3,4,5", {{"key-variant", 2, W}}},
        {"rgb =1,2,3,4,5", {{"key-variant", 1, W}}},
        {" Hex=1,2,3,4,5", {{"key-variant", 1, W}}},
        {"rbg=1,2,3,4,5", {{"unknown-key", 1, W}}},
        {"colour=1,2,3,4,5", {{"unknown-key", 1, W}}},
        {"=1,2,3,4,5", {{"unknown-key", 1, W}}},
        {"\r\nrgb 1,2,3,4,5", {{"no-equals", 2, W}}},
        {"rgb=", {{"no-values", 1, W}}},
        {"rgb=1,2", {{"few-values", 1, W}}},
        {"preview=5,5,30,30,255", {{"extra-values", 1, W}}},
        {"rgb=1,2,3,4,5=9", {{"second-equals", 1, W}}},
        {"rgb=1,,3,4,5", {{"empty-value", 1, W}}},
        {"rgb=12px,2,3,4,5", {{"not-a-number", 1, W}}},
        {"rgb=1 0,2,3,4,5", {{"blank-in-number", 1, W}}},
        {"rgb=1,2,-3,4,5", {{"skipped-value", 1, W}}},
        {"rgb=1,2,3,4,16777216", {{"skipped-value", 1, W}}},
        {"rgb=1,2,3,4,-1", {{"skipped-value", 1, W}}},
        {"rgb=1e999,2,3,4,5", {{"skipped-value", 1, W}}},
        {"trans=100", {{"skipped-value", 1, W}}},
        {"trans=-5", {{"skipped-value", 1, W}}},
        {"trans=50", {{"trans-alpha", 1, I}}},
        {"trans=0.4", {{"trans-invisible", 1, E}}},
        {"trans=50,7", {{"not-a-number", 1, W}, {"trans-alpha", 1, I}}},
        {"rgb=1,2,3,4,5\r\nhex=1,30,3,4,5\r\nrgb=7,8", {{"override", 3, W}, {"few-values", 3, W}}},
        {"trans=50\r\ntrans=60", {{"trans-alpha", 1, I}, {"trans-alpha", 2, I}, {"override", 2, W}}},
        {"zoom=10,20,120,96,4", {{"loupe-factor", 1, I}}},
        {"zoom=10,20,120,96,40", {{"loupe-factor", 1, W}}},
        {"zoom=10,20,120,96,0", {{"loupe-factor", 1, W}}},
        {"zoom=10,20,120,96,2.6", {{"loupe-factor", 1, W}}},
        {"zoom=10,20,120,96,", {{"empty-value", 1, W}, {"loupe-factor", 1, W}}},
        {"zoom=10,20,120,96", {{"few-values", 1, W}}},
        {"csshex=1,2,3,4,5\r\nstate=1,9,3,4,5\r\nhistory=1,20,40,8,4", {}},
        {"history=1,20,40,8,33", {{"history-count", 1, W}}},
        {"history=1,20,40,8,2.5", {{"history-count", 1, W}}},
        {"cssHex=1,2,3,4,5", {{"key-variant", 1, W}}},
        {"zoom=10,20,-120,96,4", {{"skipped-value", 1, W}, {"loupe-factor", 1, I}}},
        {"zoom=1,2,3,4,4\r\nzoom=5,6", {{"loupe-factor", 1, I}, {"override", 2, W}, {"few-values", 2, W}}},
        // A place beyond 32-bit pixels is skipped like any unusable value, and so overrides nothing.
        {"zoom=1,2,3,4,4\r\nzoom=1e12", {{"loupe-factor", 1, I}, {"skipped-value", 2, W}, {"few-values", 2, W}}},
        {"rgb=1,2,3,4,5\r\nrgb=3e9,2", {{"skipped-value", 2, W}, {"override", 2, W}, {"few-values", 2, W}}},
        {"", {{"empty-layout", 0, I}}},
        {"\r\n   \r\n", {}},
    });
}

TEST(LayoutFindings, MessagesNameWhatTheAuthorMeant) {
    struct MessageCase {
        std::string_view layout;
        std::string_view kind;
        std::string_view text;
    };
    const MessageCase cases[] = {
        {"RGB=1,2,3,4,5", "key-variant", "\"rgb\""},
        {"rbg=1,2,3,4,5", "unknown-key", "nearest known key is \"rgb\""},
        {"rgb=1,2", "few-values", "width, height, text colour keep"},
        {"trans=50", "trans-alpha", "50 of 255 (20 % opaque)"},
        {"rgb=1 0,2,3,4,5", "blank-in-number", "reads as 10"},
        {"rgb=12px,2,3,4,5", "not-a-number", "reads it as 12"},
        {"rgb=1,2,3,4,5\nhex=1,2,3,4,5\nquit=1,2,3,4", "lf-line-ends", "\"hex\", \"quit\" do nothing"},
        {"rgb=1,2,3,4,5\r\nrgb=7,8", "override", "left, top again, overriding line 1"},
        {"rgb=1,2,-3,4,5", "skipped-value", "cannot be negative"},
        {"zoom=10,20,120,96,40", "loupe-factor", "\"40\" is outside 2 to 32 and is skipped: 8 is used"},
        {"zoom=10,20,120,96,4\r\nzoom=10,20,120,96,40", "loupe-factor", "is skipped: 4 is used"},
        {"zoom=10,20,120,96,1e999", "loupe-factor", "8 is used"},
        {"zoom=10,20,120,96,2.6", "loupe-factor", "not a whole number: the picker rounds it to 3"},
        {"zoom=10,20,120,96,12", "loupe-factor", "12 x 12 pixels"},
        {"zoom=10,20,120,96", "few-values", "factor keeps"},
        {"zoom=1,2,3,4,4\r\nzoom=5,6", "override", "zoom sets left, top again, overriding line 1"},
    };
    for (const MessageCase& c : cases) {
        const Findings findings = LayoutFindings(c.layout);
        // The last one of its kind: the line the case is about comes last.
        const auto found =
            std::find_if(findings.rbegin(), findings.rend(), [&c](const Finding& f) { return f.kind == c.kind; });
        ASSERT_NE(found, findings.rend()) << c.layout;
        EXPECT_NE(found->message.find(c.text), std::string::npos) << found->message;
        EXPECT_EQ(found->file, "pixlin.dat0");
    }
}

}  // namespace
}  // namespace pixlin::skintool
