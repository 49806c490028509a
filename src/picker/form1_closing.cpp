#include "picker/form1.h"

namespace pixlin {

void Form1::Form_QueryUnload(int16_t& /*Cancel*/, int16_t /*UnloadMode*/) {
    // The window draws through BeginPaint and GetDC pairs only, so it holds no device context to give back.
    hotkey_ = GlobalHotkey();
    copyHotkey_ = GlobalHotkey();
}

void Form1::Unload(int16_t unloadMode) {
    if (unloading_ || hwnd_ == nullptr) {
        return;
    }
    unloading_ = true;
    int16_t cancel = 0;
    Form_QueryUnload(cancel, unloadMode);
    DestroyWindow(hwnd_);
}

// Ends without the query-unload handler, but gives back the hot keys' atoms: global atoms outlive the process, and
// every failed start would otherwise keep another reference to "MyHotKey" until the user logs off.
void Form1::EndWithoutUnload() {
    unloading_ = true;
    hotkey_ = GlobalHotkey();
    copyHotkey_ = GlobalHotkey();
    DestroyWindow(hwnd_);
}

}  // namespace pixlin
