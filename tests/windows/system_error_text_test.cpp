#include "win32/system_error_text.h"

#include <gtest/gtest.h>

#include <string>

namespace pixlin {
namespace {

// A refused layout's message box shows this text: it must say something for every code, the system's text where
// it has one (Wine has none for a file too large), and never end in the line break the system appends.
TEST(SystemErrorText, EveryCodeGetsASentence) {
    const struct {
        DWORD code;
        const wchar_t* ownText;
    } rows[] = {
        {ERROR_FILE_NOT_FOUND, nullptr},
        {ERROR_ACCESS_DENIED, nullptr},
        {ERROR_FILE_TOO_LARGE, L"The file is too large."},
        {0x2FFF'FFFF, L"System error 805306367."},
    };
    for (const auto& row : rows) {
        const std::wstring text = SystemErrorText(row.code);
        ASSERT_FALSE(text.empty()) << row.code;
        EXPECT_NE(text.back(), L'\n') << row.code;
        EXPECT_NE(text.back(), L'\r') << row.code;
        wchar_t* system = nullptr;
        const DWORD length =
            FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                           nullptr, row.code, 0, reinterpret_cast<wchar_t*>(&system), 0, nullptr);
        LocalFree(system);
        if (length == 0 && row.ownText != nullptr) {
            EXPECT_EQ(text, row.ownText) << row.code;
        }
    }
}

}  // namespace
}  // namespace pixlin
