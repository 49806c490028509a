#include "winsvc/clipboard_text.h"

#include "winsvc/wide_text.h"
#include "winsvc/win_handles.h"

#include <cstring>
#include <string>

namespace pixlin {
namespace {

constexpr DWORD kRetryPauseMs = 25;
constexpr int kOpenAttempts = 11;  // ten pauses: about a quarter of a second in all

OpenClipboardScope OpenClipboardWithRetry(HWND owner) {
    for (int attempt = 1;; ++attempt) {
        OpenClipboardScope clipboard(owner);
        if (clipboard.IsOpen() || attempt == kOpenAttempts) {
            return clipboard;
        }
        Sleep(kRetryPauseMs);
    }
}

}  // namespace

bool PutTextOnClipboard(HWND owner, std::string_view utf8) {
    const std::wstring text = Widen(utf8);
    // Wine hands other programs the whole block but its last byte, so the block holds exactly the
    // text and its terminating NUL.
    const SIZE_T bytes = (text.size() + 1) * sizeof(wchar_t);
    GlobalMemory block(GMEM_MOVEABLE, bytes);
    if (!block) {
        return false;
    }
    void* data = GlobalLock(block.get());
    if (data == nullptr) {
        return false;
    }
    std::memcpy(data, text.c_str(), bytes);
    GlobalUnlock(block.get());

    const OpenClipboardScope clipboard = OpenClipboardWithRetry(owner);
    if (!clipboard.IsOpen() || !EmptyClipboard()) {
        return false;
    }
    if (SetClipboardData(CF_UNICODETEXT, block.get()) == nullptr) {
        return false;
    }
    block.release();
    return true;
}

}  // namespace pixlin
