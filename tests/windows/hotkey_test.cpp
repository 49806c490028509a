#include "win32/hotkey.h"

#include "support/test_window.h"

#include <gtest/gtest.h>

#include <utility>

namespace pixlin {
namespace {

using testing::TestWindow;

constexpr wchar_t kName[] = L"MyHotKey";
constexpr wchar_t kOtherName[] = L"PixlinTestHotKey";

// Whether another window could take the keys now; gives them back at once.
bool IsFree(UINT modifiers, UINT virtualKey) {
    const TestWindow other;
    if (!RegisterHotKey(other.get(), 1, modifiers, virtualKey)) {
        return false;
    }
    UnregisterHotKey(other.get(), 1);
    return true;
}

class Hotkey : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(IsFree(MOD_CONTROL, VK_F12));
        ASSERT_EQ(GlobalFindAtomW(kName), 0) << "a copy killed earlier in this session left its atom behind";
    }

    TestWindow window_;
};

TEST_F(Hotkey, HeldFromConstructionToDestructionItsAtomTheIdentifier) {
    {
        const GlobalHotkey hotkey(window_.get(), kName, MOD_CONTROL, VK_F12);
        const ATOM atom = GlobalFindAtomW(kName);
        ASSERT_NE(atom, 0);
        EXPECT_TRUE(hotkey.Held());
        EXPECT_FALSE(IsFree(MOD_CONTROL, VK_F12));
        EXPECT_TRUE(hotkey.IsPressedBy(atom));
        EXPECT_FALSE(hotkey.IsPressedBy(static_cast<WPARAM>(atom) + 1));
        EXPECT_FALSE(hotkey.IsPressedBy(0));
    }
    EXPECT_TRUE(IsFree(MOD_CONTROL, VK_F12));
    EXPECT_EQ(GlobalFindAtomW(kName), 0);
}

// A second copy of the program: it holds nothing, keeps no reference to the atom, and leaves the first one's key.
TEST_F(Hotkey, KeysAnotherWindowHoldsAreNotHeldAndTheAtomIsGivenBack) {
    const TestWindow firstCopy;
    ASSERT_TRUE(RegisterHotKey(firstCopy.get(), 1, MOD_CONTROL, VK_F12));
    {
        const GlobalHotkey hotkey(window_.get(), kName, MOD_CONTROL, VK_F12);
        EXPECT_FALSE(hotkey.Held());
        EXPECT_EQ(GlobalFindAtomW(kName), 0);
    }
    EXPECT_FALSE(IsFree(MOD_CONTROL, VK_F12)) << "the first copy lost its key";
    UnregisterHotKey(firstCopy.get(), 1);
}

TEST_F(Hotkey, OtherHoldersOfTheAtomKeepTheirReference) {
    const ATOM othersAtom = GlobalAddAtomW(kName);
    {
        const GlobalHotkey hotkey(window_.get(), kName, MOD_CONTROL, VK_F12);
        EXPECT_TRUE(hotkey.IsPressedBy(othersAtom));
    }
    EXPECT_EQ(GlobalFindAtomW(kName), othersAtom);
    GlobalDeleteAtom(othersAtom);
    EXPECT_EQ(GlobalFindAtomW(kName), 0);
}

TEST_F(Hotkey, MovingHandsOverTheKeyAndAssigningOverReleasesIt) {
    GlobalHotkey first(window_.get(), kName, MOD_CONTROL, VK_F12);
    const ATOM atom = GlobalFindAtomW(kName);
    GlobalHotkey second(std::move(first));
    EXPECT_FALSE(first.Held());
    EXPECT_TRUE(second.IsPressedBy(atom));
    first = GlobalHotkey();
    EXPECT_FALSE(IsFree(MOD_CONTROL, VK_F12)) << "the moved-from holder released the key";

    second = GlobalHotkey();
    EXPECT_TRUE(IsFree(MOD_CONTROL, VK_F12));
    EXPECT_EQ(GlobalFindAtomW(kName), 0);
}

// One window may hold several keys, each under its own name.
TEST_F(Hotkey, AWindowHoldsTwoKeysApart) {
    const GlobalHotkey f12(window_.get(), kName, MOD_CONTROL, VK_F12);
    const GlobalHotkey f11(window_.get(), kOtherName, MOD_CONTROL, VK_F11);
    const ATOM f12Atom = GlobalFindAtomW(kName);
    const ATOM f11Atom = GlobalFindAtomW(kOtherName);
    ASSERT_TRUE(f12.Held());
    ASSERT_TRUE(f11.Held());
    EXPECT_NE(f12Atom, f11Atom);
    EXPECT_TRUE(f12.IsPressedBy(f12Atom));
    EXPECT_FALSE(f12.IsPressedBy(f11Atom));
    EXPECT_TRUE(f11.IsPressedBy(f11Atom));
    EXPECT_FALSE(IsFree(MOD_CONTROL, VK_F11));
    EXPECT_FALSE(IsFree(MOD_CONTROL, VK_F12));
}

}  // namespace
}  // namespace pixlin
