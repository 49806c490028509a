#include "picker/copier.h"

#include <utility>

#include "core/design/window_actions.h"

namespace pixlin {

Copier::Copier(const HWND& window,
               ClipboardWriter writeClipboard,
               std::function<void()> playClick,
               Form1History& history)
    : window_(window),
      writeClipboard_(std::move(writeClipboard)),
      playClick_(std::move(playClick)),
      history_(history) {}

// Another program holding the clipboard is no reason to end the picker: the clipboard keeps what it had, and the
// warning beep instead of the click tells the user that nothing was copied.
Copier::Outcome Copier::Copy(Form1Control form, std::string_view text, const std::optional<HistoryEntry>& colour) {
    if (text.empty()) {
        MessageBeep(MB_ICONWARNING);
        return Outcome::Nothing;
    }
    if (!writeClipboard_(window_, text)) {
        MessageBeep(MB_ICONWARNING);
        return Outcome::Nothing;
    }
    // Waiting for the clipboard, the thread answers messages sent to it, and one of them (the session ending) may have
    // destroyed the window: the copy is made, but there is no window left to show anything in.
    if (window_ == nullptr) {
        return Outcome::Text;
    }
    playClick_();
    if (!CopiesColour(form) || !colour) {
        return Outcome::Text;
    }
    keyForm_ = form;
    history_.Add(window_, *colour);
    return Outcome::Colour;
}

}  // namespace pixlin
