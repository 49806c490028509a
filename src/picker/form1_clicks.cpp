#include "picker/form1.h"

#include <vector>

#include "core/texts/about_text.h"
#include "picker/event_arguments.h"
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

PressTarget Form1::PressTargetAt(int32_t x, int32_t y) const {
    const std::array<PixelRect, kForm1LabelCount> labels = panel_.ClickBoxes();
    return pixlin::PressTargetAt(WindowAreas{labels, loupe_.Box(), history_.Box(), history_.Count(), std::nullopt}, x,
                                 y);
}

WindowAction Form1::RightPressActionAt(int32_t x, int32_t y) const {
    const std::array<PixelRect, kForm1LabelCount> labels = panel_.ClickBoxes();
    return pixlin::RightPressActionAt(
        WindowAreas{labels, loupe_.Box(), history_.Box(), history_.Count(), panel_.Shape1().pixels}, x, y);
}

// A label is clicked when the button goes down and up again over it; a press on the loupe picks a pixel, one on a
// history swatch brings its colour back, and a press beside them all drags the window.
void Form1::OnLeftButtonDown(int32_t x, int32_t y) {
    const PressTarget target = PressTargetAt(x, y);
    pressedLabel_ = target.label;
    switch (target.action) {
        case WindowAction::PickInLoupe:
            // The keys go to the window from now on, so that the arrows walk from the picked pixel.
            SetFocus(hwnd_);
            if (const std::optional<LoupePick> pick = loupe_.SelectAt(hwnd_, x, y)) {
                ShowSample(pick->pixel, pick->colour);
            }
            return;
        case WindowAction::PickFromHistory:
            if (const std::optional<HistoryEntry> entry = history_.EntryAt(x, y)) {
                PickFromHistory(*entry);
            }
            return;
        case WindowAction::Drag:
            Form_MouseDown(kLeftButton, ShiftState(), scale_.Twips(x), scale_.Twips(y));
            return;
        default:
            SetCapture(hwnd_);
            return;
    }
}

// Labels, the loupe and the history take the left button only; the other buttons press on them to no effect, but for
// the right button's menu on the swatches, which opens as it is released.
void Form1::OnOtherButtonDown(int16_t button, int16_t shift, int32_t x, int32_t y) {
    const WindowAction action = button == kRightButton ? RightPressActionAt(x, y) : PressTargetAt(x, y).action;
    if (action == WindowAction::Drag) {
        Form_MouseDown(button, shift, scale_.Twips(x), scale_.Twips(y));
    }
}

void Form1::OnLeftButtonUp(int32_t x, int32_t y) {
    const std::optional<Form1Control> pressed = pressedLabel_;
    if (GetCapture() == hwnd_) {
        ReleaseCapture();
    }
    pressedLabel_.reset();
    if (pressed && PressTargetAt(x, y).label == pressed) {
        Click(*pressed);
    }
}

// The one dispatcher of clicks on controls.
void Form1::Click(Form1Control control) {
    switch (ClickActionOf(control)) {
        case WindowAction::CopyText:
            CopyReadout(control);
            return;
        case WindowAction::ToggleSampling:
            ToggleSampling();
            return;
        case WindowAction::SwitchValues:
            SwitchValues();
            return;
        case WindowAction::ShowAbout:
            ShowAbout();
            return;
        case WindowAction::Quit:
            Unload(kUnloadFromCode);
            return;
        default:
            return;
    }
}

// The click is a nicety: whatever goes wrong with it, the copy has been made.
void Form1::PlaySound() {
    try {
        args_.playWave(DataPath(kClickSoundFileName), 0);
    } catch (...) {
    }
}

void Form1::ShowAbout() {
    const std::wstring text = Widen(AboutText(Narrow(ShortDateToday())));
    ShowMessageBox(hwnd_, text, Widen(kAboutTitle), MB_ICONINFORMATION | MB_OK, IDR_THEMED_DIALOGS);
}

void Form1::Form_MouseDown(int16_t /*Button*/, int16_t /*Shift*/, float /*X*/, float /*Y*/) {
    ReleaseCapture();
    args_.sendMessage(hwnd_, WM_NCLBUTTONDOWN, HTCAPTION, 0);
}

}  // namespace pixlin
