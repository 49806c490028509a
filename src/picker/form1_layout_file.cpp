#include "picker/form1.h"

#include <optional>
#include <string>
#include <utility>

#include "core/base/skip_on_failure.h"
#include "core/layout/skin_layout.h"
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

// Dispatches what is waiting for the window as the message loop would, a WM_QUIT left for that loop. False once the
// window is gone.
bool AnswerPendingMessages(Form1& form) {
    MSG message{};
    while (form.hwnd() != nullptr && PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));
            break;
        }
        if (form.PreviewKey(message)) {
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return form.hwnd() != nullptr;
}

enum class LoadEnd { Read, Closed, Failed };

// The whole file through the one reading, chunk by chunk. A read that fails part of the way leaves `error` set: what
// came before it is no layout to apply.
LoadEnd ReadLayout(HANDLE file, const FileReader& readFile, SkinLayoutReader& reader, Form1& form, DWORD& error) {
    std::string chunk(kLayoutChunkBytes, '\0');
    const ULONGLONG began = GetTickCount64();
    for (;;) {
        DWORD read = 0;
        if (!readFile(file, chunk.data(), kLayoutChunkBytes, &read)) {
            error = GetLastError();
            return LoadEnd::Failed;
        }
        if (read == 0) {
            return LoadEnd::Read;
        }
        reader.Feed(std::string_view(chunk.data(), read));
        if (GetTickCount64() - began >= kQuietLoadMs && !AnswerPendingMessages(form)) {
            return LoadEnd::Closed;
        }
    }
}

// Set while the file loads, also when a step of it fails.
class LoadingScope {
public:
    explicit LoadingScope(bool& loading) noexcept : loading_(loading) { loading_ = true; }
    LoadingScope(const LoadingScope&) = delete;
    LoadingScope& operator=(const LoadingScope&) = delete;
    ~LoadingScope() { loading_ = false; }

private:
    bool& loading_;
};

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
    if (failure == ERROR_SUCCESS) {
        // The reading works at the scale it began with: a display-scale change meanwhile waits for its end.
        const LoadingScope loading(loadingLayout_);
        SkipOnFailure([this, &file, &reader, &failure] {
            if (ReadLayout(file.get(), args_.readFile, reader, *this, failure) == LoadEnd::Read) {
                ApplyLayout(reader.Finish());
                // The loupe shows the screen at once, not only once the pointer moves.
                sampleNextTick_ = true;
            }
        });
    }
    if (failure != ERROR_SUCCESS) {
        const std::wstring text = SystemErrorText(failure) + L"\r\n" + kLayoutFileName;
        ShowMessageBox(hwnd_, text, std::to_wstring(failure), MB_OK | MB_ICONERROR, IDR_THEMED_DIALOGS);
        return false;
    }
    if (const std::optional<DpiChange> change = std::exchange(deferredDpiChange_, std::nullopt); change && hwnd_) {
        OnDpiChanged(change->dpi, change->suggested);
    }
    return true;
}

}  // namespace pixlin
