#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "core/colour/colour_history.h"
#include "core/design/form1_control.h"
#include "picker/form1_history.h"

namespace pixlin {

using ClipboardWriter = std::function<bool(HWND owner, std::string_view text)>;

// What counts as a copy, decided in one place for a click on a readout and for the copy key alike: the text goes to
// the clipboard with the click sound; a copy of a colour (not of a contrast ratio) puts the colour into the history
// and makes its form the one the copy key copies in.
class Copier {
public:
    enum class Outcome {
        // Nothing reached the clipboard (nothing to copy, or another program held it): the warning beep sounded.
        Nothing,
        // The text went to the clipboard and nothing else changed.
        Text,
        // The text went to the clipboard and its colour into the history.
        Colour,
    };

    // `window` is the handle as the window keeps it: null from the moment the window is gone.
    Copier(const HWND& window, ClipboardWriter writeClipboard, std::function<void()> playClick, Form1History& history);

    // Copies the text of the readout `form` shows for `colour`, the pick it was made from. An empty text (no pick, or
    // no contrast before the first copy) copies nothing.
    Outcome Copy(Form1Control form, std::string_view text, const std::optional<HistoryEntry>& colour);

    // The form the copy key copies in: that of the readout last copied as a colour, #RRGGBB until then.
    Form1Control KeyForm() const noexcept { return keyForm_; }

private:
    const HWND& window_;
    ClipboardWriter writeClipboard_;
    std::function<void()> playClick_;
    Form1History& history_;
    Form1Control keyForm_ = Form1Control::lbl_CSSHEX;
};

}  // namespace pixlin
