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

// A pixel picked in the loupe or brought back from the history shows exactly as if the pointer had sampled it.
void Form1::ShowSample(Point pixel, std::optional<COLORREF> colour) {
    pickPixel_ = pixel;
    pickColour_ = colour;
    SetWindowTextW(hwnd_, Widen(CaptionText(pixel.x, pixel.y)).c_str());
    if (colour) {
        picture1_->SetBackColor(*colour);
    }
    ShowTexts();
}

void Form1::ShowTexts() {
    const std::optional<std::int32_t> value =
        pickColour_ ? std::optional(static_cast<std::int32_t>(picture1_->BackColor())) : std::nullopt;
    panel_.Show(TextsKey{value, history_.Latest(), pair_}, pickColour_);
}

std::optional<HistoryEntry> Form1::PickEntry() const {
    if (!pickColour_) {
        return std::nullopt;
    }
    return HistoryEntry{RgbOf(static_cast<std::int32_t>(*pickColour_)), pickPixel_};
}

}  // namespace pixlin
