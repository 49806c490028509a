#pragma once

#include <windows.h>

#include <atomic>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace pixlin::testing {

// Answers a message box from another thread, as a user would (with OK), and keeps what it said. An empty title
// answers a box of any title.
class MessageBoxAnswerer {
public:
    explicit MessageBoxAnswerer(std::wstring title) : title_(std::move(title)), thread_([this] { Answer(); }) {}
    MessageBoxAnswerer(const MessageBoxAnswerer&) = delete;
    MessageBoxAnswerer& operator=(const MessageBoxAnswerer&) = delete;
    ~MessageBoxAnswerer() { Wait(); }

    // The texts of the box's parts; none when no box came within five seconds and before this call.
    const std::vector<std::wstring>& Wait() {
        waited_ = true;
        if (thread_.joinable()) {
            thread_.join();
        }
        return texts_;
    }

    // The message itself; nothing when no box came.
    const std::optional<std::wstring>& Message() {
        Wait();
        return message_;
    }

private:
    // Looks on while the test has not asked yet: a box that comes late on a busy machine would otherwise stay up with
    // nobody to answer it, and the test would hang instead of failing.
    void Answer() {
        const ULONGLONG start = GetTickCount64();
        while (!waited_ || GetTickCount64() - start < 5000) {
            const HWND box = FindWindowW(L"#32770", title_.empty() ? nullptr : title_.c_str());
            if (box != nullptr) {
                EnumChildWindows(box, CollectText, reinterpret_cast<LPARAM>(&texts_));
                // The message text of a message box is its static control 0xFFFF.
                message_ = Text(GetDlgItem(box, 0xFFFF));
                PostMessageW(box, WM_COMMAND, IDOK, 0);
                return;
            }
            Sleep(10);
        }
    }

    // Reading another thread's window sends it WM_GETTEXT. A box that closed by itself leaves its thread in Wait(),
    // answering no messages: the read then gives up instead of waiting on that thread for ever.
    static std::wstring Text(HWND window) {
        wchar_t text[512] = {};
        DWORD_PTR length = 0;
        SendMessageTimeoutW(window, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(text), SMTO_NORMAL, 2000, &length);
        return text;
    }

    static BOOL CALLBACK CollectText(HWND child, LPARAM texts) {
        reinterpret_cast<std::vector<std::wstring>*>(texts)->push_back(Text(child));
        return TRUE;
    }

    std::wstring title_;
    std::vector<std::wstring> texts_;
    std::optional<std::wstring> message_;
    std::atomic<bool> waited_{false};
    std::thread thread_;
};

}  // namespace pixlin::testing
