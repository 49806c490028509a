#include "picker/form1.h"

#include <vector>

#include "core/texts/about_text.h"
#include "picker/event_arguments.h"
#include "picker/form1_bindings.h"
#include "picker/resource.h"
#include "win32/message_box.h"
#include "win32/wide_text.h"

namespace pixlin {
namespace {

constexpr wchar_t kClickSoundFileName[] = L"pixlin.dat2";

// Today's date as the user writes dates in short form.
std::wstring ShortDateToday() {
    const int length = GetDateFormatEx(LOCALE_NAME_USER_DEFAULT, DATE_SHORTDATE, nullptr, nullptr, nullptr, 0, nullptr);
    if (length <= 0) {
        return {};
    }
    std::vector<wchar_t> date(static_cast<std::size_t>(length));
    GetDateFormatEx(LOCALE_NAME_USER_DEFAULT, DATE_SHORTDATE, nullptr, nullptr, date.data(), length, nullptr);
    return date.data();
}

}  // namespace

std::optional<Form1Control> Form1::LabelAtPixel(int32_t x, int32_t y) const {
    std::array<PixelRect, kForm1LabelCount> rects;
    for (std::size_t i = 0; i < labels_.size(); ++i) {
        rects[i] = shown_[i] ? labels_[i].pixels : PixelRect{};
    }
    const auto index = TopmostAt(rects, x, y);
    if (!index) {
        return std::nullopt;
    }
    return static_cast<Form1Control>(*index);
}

// A label is clicked when the button goes down and up again over it; a press on the loupe picks a pixel, one on a
// history swatch brings its colour back, and a press beside them all drags the window.
void Form1::OnLeftButtonDown(int32_t x, int32_t y) {
    pressedLabel_ = LabelAtPixel(x, y);
    if (pressedLabel_) {
        SetCapture(hwnd_);
    } else if (loupe_.Contains(x, y)) {
        // The keys go to the window from now on, so that the arrows walk from the picked pixel.
        SetFocus(hwnd_);
        if (const std::optional<LoupePick> pick = loupe_.SelectAt(hwnd_, x, y)) {
            ShowSample(pick->pixel, pick->colour);
        }
    } else if (history_.Contains(x, y)) {
        if (const std::optional<HistoryEntry> entry = history_.EntryAt(x, y)) {
            PickFromHistory(*entry);
        }
    } else {
        Form_MouseDown(kLeftButton, ShiftState(), scale_.Twips(x), scale_.Twips(y));
    }
}

// Labels, the loupe and the history take the left button only; the other buttons press on them to no effect.
void Form1::OnOtherButtonDown(int16_t button, int16_t shift, int32_t x, int32_t y) {
    if (!LabelAtPixel(x, y) && !loupe_.Contains(x, y) && !history_.Contains(x, y)) {
        Form_MouseDown(button, shift, scale_.Twips(x), scale_.Twips(y));
    }
}

void Form1::OnLeftButtonUp(int32_t x, int32_t y) {
    const std::optional<Form1Control> pressed = pressedLabel_;
    if (GetCapture() == hwnd_) {
        ReleaseCapture();
    }
    pressedLabel_.reset();
    if (!pressed || LabelAtPixel(x, y) != pressed) {
        return;
    }
    if (const auto click = BindingOf(*pressed).click) {
        (this->*click)();
    }
}

void Form1::lbl_CMY_Click() {
    CopyReadout(Form1Control::lbl_CMY);
}

void Form1::lbl_CMYK_Click() {
    CopyReadout(Form1Control::lbl_CMYK);
}

void Form1::lbl_HEX_Click() {
    CopyReadout(Form1Control::lbl_HEX);
}

void Form1::lbl_HLS_Click() {
    CopyReadout(Form1Control::lbl_HLS);
}

void Form1::lbl_LONG_Click() {
    CopyReadout(Form1Control::lbl_LONG);
}

void Form1::lbl_RGB_Click() {
    CopyReadout(Form1Control::lbl_RGB);
}

void Form1::lbl_YCBCR_Click() {
    CopyReadout(Form1Control::lbl_YCBCR);
}

void Form1::lbl_CSSHEX_Click() {
    CopyReadout(Form1Control::lbl_CSSHEX);
}

void Form1::lbl_CSSRGB_Click() {
    CopyReadout(Form1Control::lbl_CSSRGB);
}

void Form1::lbl_CSSHSL_Click() {
    CopyReadout(Form1Control::lbl_CSSHSL);
}

void Form1::lbl_HSV_Click() {
    CopyReadout(Form1Control::lbl_HSV);
}

void Form1::lbl_OKLCH_Click() {
    CopyReadout(Form1Control::lbl_OKLCH);
}

void Form1::lbl_NEAREST_Click() {
    CopyReadout(Form1Control::lbl_NEAREST);
}

void Form1::lbl_CONTRAST_Click() {
    CopyReadout(Form1Control::lbl_CONTRAST);
}

void Form1::lbl_STATE_Click() {
    ToggleSampling();
}

// The click is a nicety: whatever goes wrong with it, the copy has been made.
void Form1::PlaySound() {
    try {
        args_.playWave(DataPath(kClickSoundFileName), 0);
    } catch (...) {
    }
}

void Form1::lbl_Shape_Click() {
    const std::wstring text = Widen(AboutText(Narrow(ShortDateToday())));
    ShowMessageBox(hwnd_, text, Widen(kAboutTitle), MB_ICONINFORMATION | MB_OK, IDR_THEMED_DIALOGS);
}

void Form1::Form_MouseDown(int16_t /*Button*/, int16_t /*Shift*/, float /*X*/, float /*Y*/) {
    ReleaseCapture();
    args_.sendMessage(hwnd_, WM_NCLBUTTONDOWN, HTCAPTION, 0);
}

}  // namespace pixlin
