#include "win32/trans.h"

#include "support/test_window.h"

#include <gtest/gtest.h>

namespace pixlin {
namespace {

using testing::TestWindow;

TEST(SetTranslucency, AppliesOnlyAlphasFromZeroTo255) {
    const struct {
        int16_t alpha;
        int32_t result;
    } rows[] = {
        {0, kTranslucencyApplied},        {1, kTranslucencyApplied},         {128, kTranslucencyApplied},
        {255, kTranslucencyApplied},      {256, kTranslucencyOutOfRange},    {-1, kTranslucencyOutOfRange},
        {32767, kTranslucencyOutOfRange}, {-32768, kTranslucencyOutOfRange},
    };
    for (const auto& row : rows) {
        // The window's own extended style must survive the layered bit being added.
        const TestWindow window(WS_EX_TOOLWINDOW);
        EXPECT_EQ(SetTranslucency(window.get(), row.alpha), row.result) << row.alpha;

        const LONG_PTR style = GetWindowLongPtrW(window.get(), GWL_EXSTYLE);
        EXPECT_NE(style & WS_EX_TOOLWINDOW, 0) << row.alpha;
        const bool applied = row.result == kTranslucencyApplied;
        EXPECT_EQ((style & WS_EX_LAYERED) != 0, applied) << row.alpha;
        if (applied) {
            BYTE alpha = 0;
            DWORD flags = 0;
            ASSERT_TRUE(GetLayeredWindowAttributes(window.get(), nullptr, &alpha, &flags)) << row.alpha;
            EXPECT_EQ(alpha, row.alpha);
            EXPECT_EQ(flags, static_cast<DWORD>(LWA_ALPHA)) << row.alpha;
        }
    }
}

TEST(SetTranslucency, LaterCallReplacesTheAlpha) {
    const TestWindow window;
    ASSERT_EQ(SetTranslucency(window.get(), 40), kTranslucencyApplied);
    ASSERT_EQ(SetTranslucency(window.get(), 200), kTranslucencyApplied);
    BYTE alpha = 0;
    ASSERT_TRUE(GetLayeredWindowAttributes(window.get(), nullptr, &alpha, nullptr));
    EXPECT_EQ(alpha, 200);
}

TEST(SetTranslucency, FailingSystemCallsReportTwo) {
    HWND destroyed = nullptr;
    {
        const TestWindow window;
        destroyed = window.get();
    }
    EXPECT_EQ(SetTranslucency(nullptr, 128), kTranslucencyFailed);
    EXPECT_EQ(SetTranslucency(destroyed, 128), kTranslucencyFailed);
    EXPECT_EQ(SetTranslucency(destroyed, 300), kTranslucencyOutOfRange);
}

}  // namespace
}  // namespace pixlin
