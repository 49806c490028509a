// A picker kept open all day must not grow: thousands of sampling ticks with the pointer moving leave the
// counts of GDI objects and windows and the committed memory where they were after the first ticks.

#include "picker/form1.h"

#include "support/bmp_file.h"
#include "support/scratch_dir.h"
#include "support/test_window.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace pixlin {
namespace {

using testing::BmpFromRows;
using testing::DrainMessages;
using testing::ScratchDir;

constexpr int kTicks = 20000;
constexpr int kWarmUpTicks = 1000;

constexpr char kLayout[] =
    "rgb=170,40,116,16,16117996\r\nhex=170,62,116,16,16117996\r\nlong=170,84,116,16,16117996\r\n"
    "hls=170,106,116,16,16117996\r\ncmy=170,128,116,16,16117996\r\ncmyk=170,150,116,16,16117996\r\n"
    "ycbcr=170,172,116,16,16117996\r\npreview=14,40,92,148\r\ntext=56,204,226,16,3155488\r\n"
    "quit=271,11,19,19\r\n";

// GetGuiResources is the system's count. Wine answers it with 0; there every live GDI object is found through
// the low word of its handle, which Wine accepts alone.
std::size_t GdiObjectCount() {
    if (const DWORD counted = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS); counted != 0) {
        return counted;
    }
    std::size_t live = 0;
    for (uintptr_t index = 1; index <= 0xFFFF; ++index) {
        if (GetObjectType(reinterpret_cast<HGDIOBJ>(index)) != 0) {
            ++live;
        }
    }
    return live;
}

BOOL CALLBACK CountWindow(HWND window, LPARAM count) {
    ++*reinterpret_cast<std::size_t*>(count);
    EnumChildWindows(window, CountWindow, count);
    return TRUE;
}

std::size_t WindowCount() {
    std::size_t count = 0;
    EnumThreadWindows(GetCurrentThreadId(), CountWindow, reinterpret_cast<LPARAM>(&count));
    return count;
}

// Private committed memory: what the heaps, the images and the C++ objects of the process take.
std::size_t CommittedBytes() {
    std::size_t total = 0;
    MEMORY_BASIC_INFORMATION region{};
    const char* at = nullptr;
    while (VirtualQuery(at, &region, sizeof(region)) == sizeof(region)) {
        if (region.State == MEM_COMMIT && region.Type == MEM_PRIVATE) {
            total += region.RegionSize;
        }
        const char* next = static_cast<const char*>(region.BaseAddress) + region.RegionSize;
        if (next <= at) {
            break;
        }
        at = next;
    }
    return total;
}

struct Usage {
    std::size_t gdiObjects;
    std::size_t windows;
    std::size_t committed;
};

Usage Measure() {
    return {GdiObjectCount(), WindowCount(), CommittedBytes()};
}

TEST(Soak, TwentyThousandTicksWithAMovingPointerLeaveNothingBehind) {
    const ScratchDir folder;
    folder.Write(L"pixlin.dat0", kLayout);
    const std::string panelRow = "k" + std::string(299, 'p');
    std::vector<std::string_view> skin(231, panelRow);
    const std::string keyRow(300, 'k');
    skin.push_back(keyRow);
    folder.Write(L"pixlin.dat1", BmpFromRows(skin, {{'k', RGB(255, 0, 255)}, {'p', RGB(40, 44, 52)}}));

    Form1Args args;
    args.programDirectory = folder.Root();
    // Every third screen read fails, so that the fallback through a copy in memory runs too.
    int screenReads = 0;
    args.readPixel = [&screenReads](HDC dc, int x, int y) {
        const bool screen = GetObjectType(dc) != OBJ_MEMDC;
        return (screen && ++screenReads % 3 == 0) ? CLR_INVALID : GetPixel(dc, x, y);
    };
    Form1 form(std::move(args));
    ASSERT_NE(form.hwnd(), nullptr);
    form.Timer1().SetEnabled(false);

    const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    Usage settled{};
    for (int tick = 0; tick < kTicks; ++tick) {
        if (tick == kWarmUpTicks) {
            settled = Measure();
        }
        // A new point on every tick, swept over the whole screen, the window included.
        SetCursorPos((tick * 7) % screenWidth, (tick / 3) % screenHeight);
        form.Timer1_Timer();
        UpdateWindow(form.hwnd());
        DrainMessages();
    }
    const Usage after = Measure();

    EXPECT_FALSE(form.Label(Form1Control::lbl_RGB).caption.empty()) << "the ticks showed no colour";
    EXPECT_LE(after.gdiObjects, settled.gdiObjects + 4);
    EXPECT_EQ(after.windows, settled.windows);
    EXPECT_LE(after.committed, settled.committed + 512 * 1024)
        << "committed memory grew from " << settled.committed << " to " << after.committed << " bytes";
}

}  // namespace
}  // namespace pixlin
