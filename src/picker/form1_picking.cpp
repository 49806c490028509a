#include "picker/form1.h"

namespace pixlin {

void Form1::ToggleSampling() {
    SetSampling(!timer1_->Enabled());
}

// Resumed, the readouts follow the pointer at once, not only once it moves: until then they would show the frozen
// pick under "Live".
void Form1::SetSampling(bool live) {
    if (!timer1_->SetEnabled(live)) {
        // Still frozen: the pick on screen stays true, and the beep says the key did nothing.
        MessageBeep(MB_ICONWARNING);
        return;
    }
    panel_.ShowState(!live);
    if (live) {
        loupe_.Release();
        SamplePointer();
    } else {
        loupe_.Hold(hwnd_);
    }
}

// A colour brought back stays until the user resumes: sampling freezes as the hot key freezes it, so the hot key
// resumes it too. The caption shows where the colour was picked. The pointer is on the swatch, so a live loupe keeps
// the last picture it had outside the window instead of holding a picture of the window itself.
void Form1::PickFromHistory(const HistoryEntry& entry) {
    if (timer1_->Enabled()) {
        timer1_->SetEnabled(false);
        panel_.ShowState(true);
        loupe_.HoldLastOutside(hwnd_);
    }
    const Rgb displayed = entry.Displayed();
    ShowPick(entry.pickedAt, RGB(displayed.r, displayed.g, displayed.b), SrgbOfEntry(entry));
}

void Form1::OnMouseWheel(int32_t delta, int32_t screenX, int32_t screenY) {
    POINT point{screenX, screenY};
    ScreenToClient(hwnd_, &point);
    if (loupe_.Contains(point.x, point.y)) {
        loupe_.Wheel(hwnd_, delta);
    }
}

}  // namespace pixlin
