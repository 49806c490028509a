#include "win32/on_top.h"

#include "support/test_window.h"

#include <gtest/gtest.h>

namespace pixlin {
namespace {

using testing::TestWindow;

bool IsTopmost(HWND window) {
    return (GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

bool SameRect(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

// True when `upper` comes before `lower` in the z-order of top-level windows.
bool IsAbove(HWND upper, HWND lower) {
    for (HWND window = GetTopWindow(nullptr); window != nullptr; window = GetWindow(window, GW_HWNDNEXT)) {
        if (window == upper) {
            return true;
        }
        if (window == lower) {
            return false;
        }
    }
    return false;
}

TEST(SetTopmost, SwitchesTopmostAndKeepsPlaceAndSize) {
    const TestWindow window(0, RECT{40, 50, 160, 130});
    ShowWindow(window.get(), SW_SHOWNOACTIVATE);
    RECT before{};
    GetWindowRect(window.get(), &before);

    SetTopmost(window.get(), true);
    RECT after{};
    GetWindowRect(window.get(), &after);
    EXPECT_TRUE(IsTopmost(window.get()));
    EXPECT_TRUE(SameRect(before, after));

    SetTopmost(window.get(), false);
    GetWindowRect(window.get(), &after);
    EXPECT_FALSE(IsTopmost(window.get()));
    EXPECT_TRUE(SameRect(before, after));
}

TEST(SetTopmost, StaysAboveAnOrdinaryWindowBroughtToTheFront) {
    const TestWindow picker;
    const TestWindow other;
    ShowWindow(picker.get(), SW_SHOWNOACTIVATE);
    ShowWindow(other.get(), SW_SHOWNOACTIVATE);

    SetTopmost(picker.get(), true);
    SetWindowPos(other.get(), HWND_TOP, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE);
    EXPECT_TRUE(IsAbove(picker.get(), other.get()));

    SetTopmost(picker.get(), false);
    SetWindowPos(other.get(), HWND_TOP, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE);
    EXPECT_TRUE(IsAbove(other.get(), picker.get()));
}

}  // namespace
}  // namespace pixlin
