#include "picker/form1.h"

#include "core/texts/paste_texts.h"
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
    LastCursorPos = now;

    COLORREF colour = CLR_INVALID;
    {
        const WindowDc screen(nullptr);
        // With a loupe, its one read of the screen around the pointer holds the sampled pixel as well.
        if (const std::optional<COLORREF> seen = loupe_.Follow(hwnd_, screen.get(), now)) {
            colour = *seen;
        } else {
            colour = args_.readPixel(screen.get(), now.x, now.y);
        }
        if (colour == CLR_INVALID) {
            colour = ReadPixelThroughCopy(screen.get(), now, args_.readPixel);
        }
    }
    // Masking an unreadable pixel would show white; the tick shows no colour instead.
    ShowSample(now, colour == CLR_INVALID ? std::nullopt : std::optional<COLORREF>(colour));
}

// A pixel picked in the loupe shows exactly as if the pointer had sampled it.
void Form1::ShowSample(Point pixel, std::optional<COLORREF> colour) {
    pickPixel_ = pixel;
    pickColour_ = colour;
    SetWindowTextW(hwnd_, Widen(CaptionText(pixel.x, pixel.y)).c_str());
    if (colour) {
        ShowColour(*colour);
    } else {
        ShowNoColour();
    }
}

void Form1::ShowColour(COLORREF colour) {
    picture1_->SetBackColor(colour);
    SetShapeFill(colour);
    if (!ClrModel) {
        ClrModel = std::make_unique<cClrModels>();
    }
    Readouts texts = MakeReadouts(static_cast<int32_t>(picture1_->BackColor()), *ClrModel);
    SetLabelCaption(Form1Control::lbl_LONG, std::move(texts.longValue));
    SetLabelCaption(Form1Control::lbl_RGB, std::move(texts.rgb));
    SetLabelCaption(Form1Control::lbl_HEX, std::move(texts.hex));
    SetText1Text(texts.name);
    SetLabelCaption(Form1Control::lbl_YCBCR, std::move(texts.ycbcr));
    SetLabelCaption(Form1Control::lbl_CMYK, std::move(texts.cmyk));
    SetLabelCaption(Form1Control::lbl_CMY, std::move(texts.cmy));
    SetLabelCaption(Form1Control::lbl_HLS, std::move(texts.hls));
    ShowPasteForms(picture1_->BackColor());
}

void Form1::ShowPasteForms(COLORREF colour) {
    const Rgb channels = RgbOf(static_cast<int32_t>(colour));
    const std::optional<Rgb> against = history_.Latest();
    for (const Form1Control readout : pasteForms_) {
        SetLabelCaption(readout, PasteFormText(readout, channels, against));
    }
}

void Form1::ShowNoColour() {
    SetShapeFill(std::nullopt);
    for (const Form1Control readout :
         {Form1Control::lbl_LONG, Form1Control::lbl_RGB, Form1Control::lbl_HEX, Form1Control::lbl_YCBCR,
          Form1Control::lbl_CMYK, Form1Control::lbl_CMY, Form1Control::lbl_HLS}) {
        SetLabelCaption(readout, std::string());
    }
    for (const Form1Control readout : pasteForms_) {
        SetLabelCaption(readout, std::string());
    }
    SetText1Text(std::string());
}

// Only what changed is redrawn: at 100 ticks a second a full repaint would flicker.
void Form1::SetLabelCaption(Form1Control label, std::string caption) {
    LabelControl& control = labels_[IndexOf(label)];
    if (control.caption == caption) {
        return;
    }
    control.caption = std::move(caption);
    const RECT area{control.pixels.left, control.pixels.top, control.pixels.right, control.pixels.bottom};
    InvalidateRect(hwnd_, &area, FALSE);
}

void Form1::SetText1Text(const std::string& text) {
    if (text1Text_ == text) {
        return;
    }
    text1Text_ = text;
    SetWindowTextW(text1_, Widen(text).c_str());
}

void Form1::SetShapeFill(std::optional<COLORREF> fill) {
    if (shape1_.fillColor == fill) {
        return;
    }
    shape1_.fillColor = fill;
    const RECT area{shape1_.pixels.left, shape1_.pixels.top, shape1_.pixels.right, shape1_.pixels.bottom};
    InvalidateRect(hwnd_, &area, FALSE);
}

}  // namespace pixlin
