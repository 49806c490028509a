#include "picker/form1.h"

#include "core/texts/readout_texts.h"
#include "win32/wide_text.h"

namespace pixlin {
namespace {

// Some screens refuse GetPixel but allow a copy: the pixel is copied into a memory DC of its own and read there. Never
// into the skin's picture, whose corner pixel is the key colour of the cut-out.
COLORREF ReadPixelThroughCopy(HDC screen, Point pixel, const PixelReader& readPixel) {
    const MemoryDc copy(CreateCompatibleDC(screen));
    const SelectedBitmap target(copy.get(), Bitmap(CreateCompatibleBitmap(screen, 1, 1)));
    if (!target || !BitBlt(copy.get(), 0, 0, 1, 1, screen, pixel.x, pixel.y, SRCCOPY)) {
        return CLR_INVALID;
    }
    return readPixel(copy.get(), 0, 0);
}

}  // namespace

void Form1::Timer1_Timer() {
    POINT position{0, 0};
    GetCursorPos(&position);
    const Point now{position.x, position.y};
    if (!PointerMoved(LastCursorPos, now) && !sampleNextTick_) {
        return;
    }
    sampleNextTick_ = false;
    SampleAt(now);
}

void Form1::SamplePointer() {
    POINT pointer{0, 0};
    GetCursorPos(&pointer);
    SampleAt({pointer.x, pointer.y});
}

void Form1::SampleAt(Point pointer) {
    LastCursorPos = pointer;
    COLORREF colour = CLR_INVALID;
    {
        const WindowDc screen(nullptr);
        // With a loupe, its one read of the screen around the pointer holds the sampled pixel as well.
        if (const std::optional<COLORREF> seen = loupe_.Follow(hwnd_, screen.get(), pointer)) {
            colour = *seen;
        } else {
            colour = args_.readPixel(screen.get(), pointer.x, pointer.y);
        }
        if (colour == CLR_INVALID) {
            colour = ReadPixelThroughCopy(screen.get(), pointer, args_.readPixel);
        }
    }
    // Masking an unreadable pixel would show white; the tick shows no colour instead.
    ShowSample(pointer, colour == CLR_INVALID ? std::nullopt : std::optional<COLORREF>(colour));
}

// A pixel picked in the loupe shows exactly as if the pointer had sampled it.
void Form1::ShowSample(Point pixel, std::optional<COLORREF> colour) {
    displayProfiles_.Follow(pixel);
    ShowPick(pixel, colour,
             colour ? displayProfiles_.ToSrgb(RgbOf(static_cast<std::int32_t>(*colour))) : DisplayColour{});
}

// The pick everywhere: the display's pixel in the swatch, `srgb` (what it stands for) in the readouts.
void Form1::ShowPick(Point pixel, std::optional<COLORREF> colour, const DisplayColour& srgb) {
    pickPixel_ = pixel;
    pickColour_ = colour;
    pickSrgb_ = srgb;
    SetWindowTextW(hwnd_, Widen(CaptionText(pixel.x, pixel.y)).c_str());
    if (colour) {
        picture1_->SetBackColor(*colour);
    }
    ShowTexts();
}

void Form1::ShowTexts() {
    panel_.Show(PickTexts(), pickColour_);
    ShowProfileText();
}

// The copy carries the sRGB colour, and the display's pixel where that differs.
std::optional<HistoryEntry> Form1::PickEntry() const {
    if (!pickColour_) {
        return std::nullopt;
    }
    const Rgb display = RgbOf(static_cast<std::int32_t>(*pickColour_));
    return HistoryEntry{pickSrgb_.srgb, pickPixel_, false,
                        display == pickSrgb_.srgb ? std::nullopt : std::optional(display)};
}

}  // namespace pixlin
