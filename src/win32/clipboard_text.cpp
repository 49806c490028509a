#include "win32/clipboard_text.h"

#include "win32/wide_text.h"
#include "win32/win_handles.h"

#include <cstring>
#include <string>

namespace pixlin {
namespace {

constexpr DWORD kRetryPauseMs = 25;
constexpr int kOpenAttempts = 11;  // ten pauses: about a quarter of a second in all

// The text and its terminating NUL in a movable block, ready to be handed to the clipboard. Wine hands other
// programs the whole block but its last byte, so the block holds exactly that and nothing more.
GlobalMemory TextBlock(const std::wstring& text) {
    const SIZE_T bytes = (text.size() + 1) * sizeof(wchar_t);
    GlobalMemory block(GlobalAlloc(GMEM_MOVEABLE, bytes));
    if (!block) {
        return block;
    }
    void* data = GlobalLock(block.get());
    if (data == nullptr) {
        return GlobalMemory();
    }
    std::memcpy(data, text.c_str(), bytes);
    GlobalUnlock(block.get());
    return block;
}

// The clipboard must be open: the only way to own it, and so to write it, is to empty it.
bool ReplaceContents(GlobalMemory& block) {
    if (!EmptyClipboard() || SetClipboardData(CF_UNICODETEXT, block.get()) == nullptr) {
        return false;
    }
    block.release();
    return true;
}

}  // namespace

bool PutTextOnClipboard(HWND owner, std::string_view utf8) {
    GlobalMemory block = TextBlock(Widen(utf8));
    if (!block) {
        return false;
    }
    for (int attempt = 1;; ++attempt) {
        const ClipboardScope clipboard(owner);
        if (clipboard) {
            return ReplaceContents(block);
        }
        if (attempt == kOpenAttempts) {
            return false;
        }
        Sleep(kRetryPauseMs);
    }
}

}  // namespace pixlin
