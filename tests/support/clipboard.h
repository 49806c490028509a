#pragma once

// Reading and filling the clipboard as another program would, for the tests of what the picker copies.

#include "support/test_window.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <optional>
#include <set>
#include <string>
#include <thread>

namespace pixlin::testing {

// Wine's own clipboard service may hold the clipboard for a moment; tests wait for it.
inline bool OpenClipboardPatiently(HWND owner) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        if (OpenClipboard(owner)) {
            return true;
        }
        Sleep(10);
    }
    return false;
}

struct ClipboardContents {
    std::wstring unicode;
    size_t unicodeBytes = 0;
    std::optional<std::string> ansi;
    std::set<UINT> formats;
};

inline ClipboardContents ReadClipboard() {
    ClipboardContents contents;
    if (!OpenClipboardPatiently(nullptr)) {
        ADD_FAILURE() << "clipboard cannot be opened";
        return contents;
    }
    for (UINT format = EnumClipboardFormats(0); format != 0; format = EnumClipboardFormats(format)) {
        contents.formats.insert(format);
    }
    if (const HANDLE unicode = GetClipboardData(CF_UNICODETEXT)) {
        contents.unicodeBytes = GlobalSize(unicode);
        contents.unicode.assign(static_cast<const wchar_t*>(GlobalLock(unicode)));
        GlobalUnlock(unicode);
    }
    if (const HANDLE ansi = GetClipboardData(CF_TEXT)) {
        contents.ansi = static_cast<const char*>(GlobalLock(ansi));
        GlobalUnlock(ansi);
    }
    CloseClipboard();
    return contents;
}

// A picture and a private format, as another program might have left them.
inline void PutPictureAndPrivateData(HWND owner) {
    ASSERT_TRUE(OpenClipboardPatiently(owner));
    EmptyClipboard();
    SetClipboardData(CF_BITMAP, CreateBitmap(2, 2, 1, 32, nullptr));
    const HGLOBAL data = GlobalAlloc(GMEM_MOVEABLE, 4);
    std::memcpy(GlobalLock(data), "abc", 4);
    GlobalUnlock(data);
    SetClipboardData(RegisterClipboardFormatW(L"PixlinTestPrivate"), data);
    CloseClipboard();
}

// Another thread holds the clipboard open, as another program would: for the given time, or until released.
class ClipboardHolder {
public:
    explicit ClipboardHolder(std::chrono::milliseconds holdFor = std::chrono::minutes(1))
        : release_(CreateEventW(nullptr, TRUE, FALSE, nullptr)), opened_(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {
        thread_ = std::thread([this, holdFor] {
            const bool open = OpenClipboardPatiently(nullptr);
            SetEvent(opened_);
            WaitForSingleObject(release_, static_cast<DWORD>(holdFor.count()));
            if (open) {
                CloseClipboard();
            }
        });
        // Wine's clipboard service sends messages to the clipboard's owner window on this thread while the
        // other thread opens the clipboard: keep them flowing, as a window's thread does.
        while (MsgWaitForMultipleObjects(1, &opened_, FALSE, INFINITE, QS_ALLINPUT) != WAIT_OBJECT_0) {
            DrainMessages();
        }
    }
    ClipboardHolder(const ClipboardHolder&) = delete;
    ClipboardHolder& operator=(const ClipboardHolder&) = delete;
    ~ClipboardHolder() {
        Release();
        CloseHandle(release_);
        CloseHandle(opened_);
    }

    void Release() {
        SetEvent(release_);
        if (thread_.joinable()) {
            thread_.join();
        }
    }

private:
    HANDLE release_;
    HANDLE opened_;
    std::thread thread_;
};

}  // namespace pixlin::testing
