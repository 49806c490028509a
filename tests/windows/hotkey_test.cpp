#include "win32/hotkey.h"

#include "picker/timer.h"
#include "support/test_window.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace pixlin {
namespace {

using testing::TestWindow;

constexpr UINT kControl = MOD_CONTROL;
constexpr UINT kF12 = VK_F12;
constexpr LRESULT kOwnResult = 0x5A5A;

struct Seen {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

std::vector<Seen>& SeenByOwnProc() {
    static std::vector<Seen> seen;
    return seen;
}

// The window's own procedure, which the hot key's procedure passes everything else on to.
LRESULT CALLBACK OwnProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_HOTKEY || message >= WM_APP) {
        SeenByOwnProc().push_back({message, wParam, lParam});
        return kOwnResult + static_cast<LRESULT>(message);
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

class OwnWindow {
public:
    OwnWindow() {
        static const ATOM windowClass = [] {
            WNDCLASSEXW description{};
            description.cbSize = sizeof(description);
            description.lpfnWndProc = OwnProc;
            description.hInstance = GetModuleHandleW(nullptr);
            description.lpszClassName = L"PixlinHotkeyTestWindow";
            return RegisterClassExW(&description);
        }();
        window_ = CreateWindowExW(0, MAKEINTATOM(windowClass), L"hot key", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
    }
    OwnWindow(const OwnWindow&) = delete;
    OwnWindow& operator=(const OwnWindow&) = delete;
    ~OwnWindow() { DestroyWindow(window_); }

    HWND get() const { return window_; }

private:
    HWND window_;
};

WNDPROC CurrentProc(HWND window) {
    return reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_WNDPROC));
}

// Whether another window could take Ctrl+F12 now; gives it back at once.
bool CtrlF12IsFree() {
    const TestWindow other;
    if (!RegisterHotKey(other.get(), 1, kControl, kF12)) {
        return false;
    }
    UnregisterHotKey(other.get(), 1);
    return true;
}

class Hotkey : public ::testing::Test {
protected:
    void SetUp() override {
        SeenByOwnProc().clear();
        timer_.SetInterval(1000);
        timer_.SetEnabled(true);
    }
    void TearDown() override { RemoveHotkey(); }

    // What the picker's hot key does: switch sampling off and on.
    std::function<void()> ToggleTimer() {
        return [this] { timer_.SetEnabled(!timer_.Enabled()); };
    }

    OwnWindow window_;
    Timer timer_{window_.get(), 1};
};

TEST_F(Hotkey, OurHotKeyMessageSwitchesTheTimerAndIsConsumed) {
    InstallHotkey(window_.get(), kControl, kF12, ToggleTimer());
    const ATOM atom = GlobalFindAtomW(L"MyHotKey");
    ASSERT_NE(atom, 0);
    EXPECT_EQ(CurrentProc(window_.get()), &HotkeyWindowProc);

    EXPECT_EQ(SendMessageW(window_.get(), WM_HOTKEY, atom, MAKELPARAM(kControl, kF12)), 0);
    EXPECT_FALSE(timer_.Enabled());
    EXPECT_EQ(SendMessageW(window_.get(), WM_HOTKEY, atom, MAKELPARAM(kControl, kF12)), 0);
    EXPECT_TRUE(timer_.Enabled());
    EXPECT_TRUE(SeenByOwnProc().empty());
}

TEST_F(Hotkey, EverythingElseReachesTheWindowsOwnProcedureWithItsResult) {
    InstallHotkey(window_.get(), kControl, kF12, ToggleTimer());
    const ATOM atom = GlobalFindAtomW(L"MyHotKey");

    const Seen rows[] = {
        {WM_HOTKEY, static_cast<WPARAM>(atom) + 1, 7},
        {WM_HOTKEY, 0, 0},
        {WM_APP, atom, -3},
        {WM_APP + 9, 0x12345678, 0x7654321},
    };
    for (const auto& row : rows) {
        SeenByOwnProc().clear();
        EXPECT_EQ(SendMessageW(window_.get(), row.message, row.wParam, row.lParam),
                  kOwnResult + static_cast<LRESULT>(row.message));
        ASSERT_EQ(SeenByOwnProc().size(), 1u) << row.message;
        EXPECT_EQ(SeenByOwnProc()[0].wParam, row.wParam);
        EXPECT_EQ(SeenByOwnProc()[0].lParam, row.lParam);
    }
    EXPECT_TRUE(timer_.Enabled());
}

TEST_F(Hotkey, RemovalRestoresTheProcedureAndFreesKeyAndAtom) {
    const WNDPROC own = CurrentProc(window_.get());
    ASSERT_TRUE(CtrlF12IsFree());
    ASSERT_EQ(GlobalFindAtomW(L"MyHotKey"), 0) << "a copy killed earlier in this session left its atom behind";

    InstallHotkey(window_.get(), kControl, kF12, ToggleTimer());
    EXPECT_FALSE(CtrlF12IsFree());

    RemoveHotkey();
    EXPECT_EQ(CurrentProc(window_.get()), own);
    EXPECT_TRUE(CtrlF12IsFree());
    EXPECT_EQ(GlobalFindAtomW(L"MyHotKey"), 0);
    EXPECT_EQ(SendMessageW(window_.get(), WM_APP, 0, 0), kOwnResult + WM_APP);
}

TEST_F(Hotkey, RemovalWhenNotInstalledChangesNothing) {
    // Another copy of the program holds the atom as well; removing twice must not release its reference.
    const ATOM othersAtom = GlobalAddAtomW(L"MyHotKey");
    const WNDPROC own = CurrentProc(window_.get());

    RemoveHotkey();
    EXPECT_EQ(CurrentProc(window_.get()), own);
    EXPECT_EQ(GlobalFindAtomW(L"MyHotKey"), othersAtom);

    InstallHotkey(window_.get(), kControl, kF12, ToggleTimer());
    RemoveHotkey();
    RemoveHotkey();
    EXPECT_EQ(CurrentProc(window_.get()), own);
    EXPECT_EQ(GlobalFindAtomW(L"MyHotKey"), othersAtom);
    GlobalDeleteAtom(othersAtom);
}

TEST_F(Hotkey, TakenHotKeyStillSubclassesTheWindow) {
    const TestWindow firstCopy;
    ASSERT_TRUE(RegisterHotKey(firstCopy.get(), 1, kControl, kF12));

    InstallHotkey(window_.get(), kControl, kF12, ToggleTimer());
    EXPECT_EQ(CurrentProc(window_.get()), &HotkeyWindowProc);
    EXPECT_EQ(SendMessageW(window_.get(), WM_APP, 0, 0), kOwnResult + WM_APP);

    RemoveHotkey();
    UnregisterHotKey(firstCopy.get(), 1);
}

}  // namespace
}  // namespace pixlin
