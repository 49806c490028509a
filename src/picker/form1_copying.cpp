#include "picker/form1.h"

#include "core/colour/clr_models.h"
#include "core/texts/paste_texts.h"

namespace pixlin {

void Form1::CopyReadout(Form1Control readout) {
    if (copier_.Copy(readout, Label(readout).caption, PickEntry()) == Copier::Outcome::Colour) {
        // The contrast is measured against the colour copied last, so it changes at once.
        ShowTexts();
    }
}

// The key copies the pick as a click on the readout of the copier's form would, whether or not the skin shows that
// readout. Before the first sample there is nothing to copy.
void Form1::OnCopyKey() {
    if (!pickColour_) {
        MessageBeep(MB_ICONWARNING);
        return;
    }
    cClrModels model;
    const Form1Control form = copier_.KeyForm();
    const std::string text = ReadoutText(form, static_cast<int32_t>(*pickColour_), model, history_.Latest(), pair_);
    if (copier_.Copy(form, text, PickEntry()) == Copier::Outcome::Colour) {
        ShowTexts();
    }
}

}  // namespace pixlin
