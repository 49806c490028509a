#include "picker/form1.h"

#include <optional>
#include <string>

#include "core/base/skip_on_failure.h"
#include "core/skin/skin_layout.h"
#include "picker/resource.h"
#include "win32/message_box.h"
#include "win32/system_error_text.h"

namespace pixlin {
namespace {

constexpr wchar_t kLayoutFileName[] = L"pixlin.dat0";
// Small enough that the window answers its messages between two chunks even on a slow disk.
constexpr DWORD kLayoutChunkBytes = 64 * 1024;
// A load shorter than this runs before the first message is answered, as start-up always did; a longer one answers
// between chunks, so that the window is not deaf to Esc while it lasts.
constexpr ULONGLONG kQuietLoadMs = 200;

// Dispatches what is waiting for the window, a WM_QUIT left for the message loop. False once the window is gone.
bool AnswerPendingMessages(const HWND& window) {
    MSG message{};
    while (window != nullptr && PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));
            break;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return window != nullptr;
}

// The whole file through the one reading, chunk by chunk; nothing when the window was closed while it loaded.
std::optional<SkinLayout> ReadLayout(HANDLE file, SkinLayoutReader& reader, const HWND& window) {
    std::string chunk(kLayoutChunkBytes, '\0');
    DWORD read = 0;
    const ULONGLONG began = GetTickCount64();
    while (ReadFile(file, chunk.data(), kLayoutChunkBytes, &read, nullptr) && read > 0) {
        reader.Feed(std::string_view(chunk.data(), read));
        if (GetTickCount64() - began >= kQuietLoadMs && !AnswerPendingMessages(window)) {
            return std::nullopt;
        }
    }
    return reader.Finish();
}

}  // namespace

// False when the layout file cannot be opened or is refused: the failure has been shown and the program is to end.
// A skin author's editor may hold the file open, for writing or to replace it on save: that is no reason not to read
// it. The window is already on the screen and answers while a long file loads; the controls move in one repaint at
// the end. Closed while it loads, it takes nothing of the file.
bool Form1::LoadSkinLayout() {
    const FileHandle file(CreateFileW(DataPath(kLayoutFileName).c_str(), GENERIC_READ,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
    DWORD failure = file ? ERROR_SUCCESS : GetLastError();
    LARGE_INTEGER size{};
    if (file && !GetFileSizeEx(file.get(), &size)) {
        size.QuadPart = 0;
    }
    SkinLayoutReader reader(LayoutContextNow(), static_cast<std::uint64_t>(size.QuadPart));
    if (file && reader.Refused()) {
        failure = ERROR_FILE_TOO_LARGE;
    }
    if (failure != ERROR_SUCCESS) {
        const std::wstring text = SystemErrorText(failure) + L"\r\n" + kLayoutFileName;
        ShowMessageBox(hwnd_, text, std::to_wstring(failure), MB_OK | MB_ICONERROR, IDR_THEMED_DIALOGS);
        return false;
    }
    SkipOnFailure([this, &file, &reader] {
        const int32_t dpi = scale_.Dpi();
        if (const std::optional<SkinLayout> layout = ReadLayout(file.get(), reader, hwnd_)) {
            ApplyLayout(*layout);
            // The display scale changed while the file loaded: the places stand, their pixels follow the new scale.
            if (scale_.Dpi() != dpi) {
                PlaceControlsInPixels();
            }
        }
    });
    return true;
}

}  // namespace pixlin
