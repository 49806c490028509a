#include "window/form1.h"

#include "window/data_paths.h"
#include "window/twips.h"
#include "winsvc/hotkey.h"
#include "winsvc/module_file.h"
#include "winsvc/on_top.h"
#include "winsvc/picture_file.h"
#include "winsvc/system_error_text.h"

namespace pixlin {
namespace {

constexpr UINT kTimer1IntervalMs = 10;
constexpr wchar_t kLayoutFileName[] = L"pixlin.dat0";
constexpr wchar_t kSkinPictureFileName[] = L"pixlin.dat1";

// From the skin bitmap on, every start-up step stands alone: one that fails is abandoned and the next one runs.
template <typename Step>
void SkipOnFailure(Step&& step) noexcept {
    try {
        std::forward<Step>(step)();
    } catch (...) {
    }
}

class FileHandle {
public:
    explicit FileHandle(HANDLE handle) noexcept : handle_(handle) {}
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    ~FileHandle() {
        if (IsOpen()) {
            CloseHandle(handle_);
        }
    }

    bool IsOpen() const noexcept { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE get() const noexcept { return handle_; }

private:
    HANDLE handle_;
};

std::string ReadToEnd(HANDLE file) {
    std::string bytes;
    char chunk[4096];
    DWORD read = 0;
    while (ReadFile(file, chunk, sizeof(chunk), &read, nullptr) && read > 0) {
        bytes.append(chunk, read);
    }
    return bytes;
}

}  // namespace

void Form1::Form_Load() {
    programDirectory_ = args_.programDirectory ? *args_.programDirectory : ProgramDirectory(ProgramFileName());
    appPathSep_ = AppPathSep(programDirectory_);

    timer1_->SetInterval(kTimer1IntervalMs);
    timer1_->SetEnabled(true);

    SetTopmost(hwnd_, true);
    InstallHotkey(hwnd_, MOD_CONTROL, VK_F12, *timer1_);

    SkipOnFailure([this] { LoadSkinPicture(); });
    SizeToPicture();
    // The skin's window shape joins here; until then the window shows its design-time surface.
    SkipOnFailure([this] { ShowWindow(hwnd_, SW_SHOW); });
    MoveToTopRight();
    if (!ReadLayoutFile()) {
        EndWithoutUnload();
    }
}

std::wstring Form1::DataPath(std::wstring_view fileName) const {
    return programDirectory_ + appPathSep_ + std::wstring(fileName);
}

void Form1::LoadSkinPicture() {
    Bitmap picture = LoadPictureFile(DataPath(kSkinPictureFileName));
    // An unreadable skin bitmap leaves the picture box with its design-time picture.
    if (picture) {
        picture1_->SetPicture(std::move(picture));
    }
}

void Form1::SizeToPicture() {
    SkipOnFailure([this] {
        const RECT place = WindowRect();
        SetWindowPixels(place.left, place.top, place.right - place.left,
                        TwipsToPixels(picture1_->Height(), scale_.twipsPerPixelY));
    });
    SkipOnFailure([this] {
        const RECT place = WindowRect();
        SetWindowPixels(place.left, place.top, TwipsToPixels(picture1_->Width(), scale_.twipsPerPixelX),
                        place.bottom - place.top);
    });
}

void Form1::MoveToTopRight() {
    SkipOnFailure([this] {
        const RECT place = WindowRect();
        SetWindowPixels(place.left, 0, place.right - place.left, place.bottom - place.top);
    });
    SkipOnFailure([this] {
        const RECT place = WindowRect();
        const float screenWidth = PixelsToTwips(GetSystemMetrics(SM_CXSCREEN), scale_.twipsPerPixelX);
        const float windowWidth = PixelsToTwips(place.right - place.left, scale_.twipsPerPixelX);
        SetWindowPixels(TwipsToPixels(screenWidth - windowWidth, scale_.twipsPerPixelX), place.top,
                        place.right - place.left, place.bottom - place.top);
    });
}

// False when the layout file cannot be opened: the failure has been shown and the program is to end.
bool Form1::ReadLayoutFile() {
    const FileHandle file(CreateFileW(DataPath(kLayoutFileName).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.IsOpen()) {
        const DWORD code = GetLastError();
        const std::wstring text = SystemErrorText(code) + L"\r\n" + kLayoutFileName;
        MessageBoxW(hwnd_, text.c_str(), std::to_wstring(code).c_str(), MB_OK | MB_ICONERROR);
        return false;
    }
    SkipOnFailure([this, &file] { ApplyLayout(ReadToEnd(file.get())); });
    return true;
}

void Form1::ApplyLayout(std::string_view /*layoutBytes*/) {
    // The skin's layout reader takes the bytes here; until it does, every control keeps its design-time place.
}

RECT Form1::WindowRect() const noexcept {
    RECT place{};
    GetWindowRect(hwnd_, &place);
    return place;
}

void Form1::SetWindowPixels(int32_t left, int32_t top, int32_t width, int32_t height) noexcept {
    SetWindowPos(hwnd_, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace pixlin
