#include "picker/form1.h"

#include "core/texts/panel_texts.h"

namespace pixlin {

void Form1::CopyReadout(Form1Control readout) {
    if (copier_.Copy(readout, Label(readout).caption, PickEntry()) == Copier::Outcome::Colour) {
        // The contrast is measured against the colour copied last, so it changes at once.
        ShowTexts();
    }
}

// The key copies the pick as a click on the readout of the copier's form would, whether or not the skin shows that
// readout. Pressed as the window first shows, before the first tick has sampled, it samples the pointer itself; frozen
// before anything was sampled, there is nothing to copy.
void Form1::OnCopyKey() {
    if (!pickColour_ && timer1_->Enabled()) {
        SamplePointer();
    }
    if (!pickColour_) {
        MessageBeep(MB_ICONWARNING);
        return;
    }
    const Form1Control form = copier_.KeyForm();
    const std::string text = ReadoutTextOf(form, PickTexts());
    if (copier_.Copy(form, text, PickEntry()) == Copier::Outcome::Colour) {
        ShowTexts();
    }
}

}  // namespace pixlin
