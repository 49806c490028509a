#include "picker/form1.h"

#include "core/texts/paste_texts.h"
#include "win32/clipboard_text.h"

namespace pixlin {

// Another program holding the clipboard is no reason to end the picker: the clipboard keeps what it had, and the
// warning beep instead of the click tells the user that nothing was copied. A copy that was made sets the form the
// copy key copies in from now on.
void Form1::CopyReadout(Form1Control readout) {
    if (!PutTextOnClipboard(hwnd_, Label(readout).caption)) {
        MessageBeep(MB_ICONWARNING);
        return;
    }
    PlaySound();
    copyForm_ = readout;
    RecordCopy();
}

// The key copies the pick as a click on the readout clicked last would, whether or not the skin shows that readout.
// The contrast is measured against the colour copied before, as its readout shows it.
void Form1::OnCopyKey() {
    if (!pickColour_) {
        MessageBeep(MB_ICONWARNING);
        return;
    }
    if (!ClrModel) {
        ClrModel = std::make_unique<cClrModels>();
    }
    const std::string text = ReadoutText(copyForm_, static_cast<int32_t>(*pickColour_), *ClrModel, history_.Latest());
    if (!PutTextOnClipboard(hwnd_, text)) {
        MessageBeep(MB_ICONWARNING);
        return;
    }
    PlaySound();
    RecordCopy();
}

// The contrast readout measures against the latest copy, so it changes with the history at once.
void Form1::RecordCopy() {
    if (!pickColour_) {
        return;
    }
    history_.Add(hwnd_, HistoryEntry{RgbOf(static_cast<int32_t>(*pickColour_)), pickPixel_});
    ShowPasteForms(*pickColour_);
}

}  // namespace pixlin
