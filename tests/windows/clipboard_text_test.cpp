#include "win32/clipboard_text.h"

#include "support/clipboard.h"
#include "support/test_window.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <string>

namespace pixlin {
namespace {

using testing::ClipboardContents;
using testing::ClipboardHolder;
using testing::OpenClipboardPatiently;
using testing::PutPictureAndPrivateData;
using testing::ReadClipboard;
using testing::TestWindow;

TEST(PutTextOnClipboard, TextIsTheOnlyContentExactly) {
    const TestWindow owner;
    const struct {
        const char* utf8;
        const wchar_t* utf16;
    } rows[] = {
        {"255,128,0", L"255,128,0"},
        {"'#FF8000'", L"'#FF8000'"},
        {"33023", L"33023"},
        {"", L""},
        {"white - Wei\xc3\x9f", L"white - Wei\u00df"},
        {"\xe7\x94\xbb \xf0\x9f\x8e\xa8", L"\u753b \U0001F3A8"},
    };
    for (const auto& row : rows) {
        PutPictureAndPrivateData(owner.get());
        ASSERT_TRUE(PutTextOnClipboard(owner.get(), row.utf8)) << row.utf8;

        const ClipboardContents contents = ReadClipboard();
        EXPECT_EQ(contents.unicode, row.utf16) << row.utf8;
        // Other programs may read the whole block: it must hold the text and its NUL, nothing more.
        EXPECT_EQ(contents.unicodeBytes, (std::wcslen(row.utf16) + 1) * sizeof(wchar_t)) << row.utf8;
        for (const UINT format : contents.formats) {
            EXPECT_TRUE(format == CF_UNICODETEXT || format == CF_TEXT || format == CF_OEMTEXT || format == CF_LOCALE)
                << row.utf8 << ": format " << format;
        }
        EXPECT_EQ(contents.formats.count(CF_UNICODETEXT), 1u) << row.utf8;
    }
}

TEST(PutTextOnClipboard, SystemDerivesTheAnsiText) {
    const TestWindow owner;
    ASSERT_TRUE(PutTextOnClipboard(owner.get(), "240,248,255"));
    EXPECT_EQ(ReadClipboard().ansi, "240,248,255");
}

TEST(PutTextOnClipboard, GivesUpWhenTheClipboardStaysHeldAndLeavesItAlone) {
    const TestWindow owner;
    ASSERT_TRUE(PutTextOnClipboard(owner.get(), "earlier"));

    ClipboardHolder holder;
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(PutTextOnClipboard(owner.get(), "later"));
    const auto waited = std::chrono::steady_clock::now() - start;
    holder.Release();

    EXPECT_GE(waited, std::chrono::milliseconds(200));
    EXPECT_LT(waited, std::chrono::seconds(2));
    EXPECT_EQ(ReadClipboard().unicode, L"earlier");
}

TEST(PutTextOnClipboard, WaitsForAShortHold) {
    const TestWindow owner;
    ASSERT_TRUE(PutTextOnClipboard(owner.get(), "earlier"));

    const ClipboardHolder holder(std::chrono::milliseconds(80));
    EXPECT_TRUE(PutTextOnClipboard(owner.get(), "later"));
    EXPECT_EQ(ReadClipboard().unicode, L"later");
}

}  // namespace
}  // namespace pixlin
