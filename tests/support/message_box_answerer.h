#pragma once

#include <windows.h>

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

    // The texts of the box's parts; none when no box came within five seconds.
    const std::vector<std::wstring>& Wait() {
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
    void Answer() {
        for (int attempt = 0; attempt < 500; ++attempt) {
            const HWND box = FindWindowW(L"#32770", title_.empty() ? nullptr : title_.c_str());
            if (box != nullptr) {
                EnumChildWindows(box, CollectText, reinterpret_cast<LPARAM>(&texts_));
                // The message text of a message box is its static control 0xFFFF.
                wchar_t text[512] = {};
                GetDlgItemTextW(box, 0xFFFF, text, 512);
                message_ = text;
                PostMessageW(box, WM_COMMAND, IDOK, 0);
                return;
            }
            Sleep(10);
        }
    }

    static BOOL CALLBACK CollectText(HWND child, LPARAM texts) {
        wchar_t text[512] = {};
        GetWindowTextW(child, text, 512);
        reinterpret_cast<std::vector<std::wstring>*>(texts)->emplace_back(text);
        return TRUE;
    }

    std::wstring title_;
    std::vector<std::wstring> texts_;
    std::optional<std::wstring> message_;
    std::thread thread_;
};

}  // namespace pixlin::testing
