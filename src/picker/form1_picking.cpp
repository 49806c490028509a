#include "picker/form1.h"

#include "core/texts/paste_texts.h"

namespace pixlin {
namespace {

// Shift+arrow walks ten pixels at a time.
constexpr int32_t kShiftStep = 10;
constexpr int16_t kShiftMask = 1;

}  // namespace

void Form1::ToggleSampling() {
    SetSampling(!timer1_->Enabled());
}

void Form1::SetSampling(bool live) {
    if (!timer1_->SetEnabled(live)) {
        // Still frozen: the pick on screen stays true, and the beep says the key did nothing.
        MessageBeep(MB_ICONWARNING);
        return;
    }
    ShowState();
    if (!loupe_.Active()) {
        return;
    }
    if (live) {
        loupe_.Release();
        sampleNextTick_ = true;
    } else {
        loupe_.Hold(hwnd_);
    }
}

void Form1::ShowState() {
    if (Shows(Form1Control::lbl_STATE)) {
        SetLabelCaption(Form1Control::lbl_STATE, StateText(!timer1_->Enabled()));
    }
}

// A colour brought back stays until the user resumes: sampling freezes as the hot key freezes it, so the hot key
// resumes it too. The caption shows where the colour was picked.
void Form1::PickFromHistory(const HistoryEntry& entry) {
    if (timer1_->Enabled()) {
        SetSampling(false);
    }
    ShowSample(entry.pickedAt, RGB(entry.colour.r, entry.colour.g, entry.colour.b));
}

// Arrows belong to the loupe only while it holds a picture; true when the key was used.
bool Form1::MoveLoupeSelection(int16_t keyCode, int16_t shift) {
    if (!loupe_.Held()) {
        return false;
    }
    const int32_t step = (shift & kShiftMask) != 0 ? kShiftStep : 1;
    int32_t dx = 0;
    int32_t dy = 0;
    switch (keyCode) {
        case VK_LEFT:
            dx = -step;
            break;
        case VK_RIGHT:
            dx = step;
            break;
        case VK_UP:
            dy = -step;
            break;
        case VK_DOWN:
            dy = step;
            break;
        default:
            return false;
    }
    if (const std::optional<LoupePick> pick = loupe_.MoveSelection(hwnd_, dx, dy)) {
        ShowSample(pick->pixel, pick->colour);
    }
    return true;
}

void Form1::OnMouseWheel(int32_t delta, int32_t screenX, int32_t screenY) {
    POINT point{screenX, screenY};
    ScreenToClient(hwnd_, &point);
    if (loupe_.Contains(point.x, point.y)) {
        loupe_.Wheel(hwnd_, delta);
    }
}

}  // namespace pixlin
