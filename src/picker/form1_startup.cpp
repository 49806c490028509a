#include "picker/form1.h"

#include "core/base/skip_on_failure.h"
#include "core/skin/data_paths.h"
#include "core/skin/twips.h"
#include "picker/resource.h"
#include "picker/skin.h"
#include "picker/skin_surface.h"
#include "win32/hotkey.h"
#include "win32/message_box.h"
#include "win32/module_file.h"
#include "win32/on_top.h"
#include "win32/picture_file.h"
#include "win32/system_error_text.h"

namespace pixlin {
namespace {

constexpr UINT kTimer1IntervalMs = 10;
constexpr wchar_t kLayoutFileName[] = L"pixlin.dat0";
constexpr wchar_t kSkinPictureFileName[] = L"pixlin.dat1";
// No layout comes near this size; a larger file is damaged or hostile, and is refused before anything of it is read.
constexpr LONGLONG kMaxLayoutBytes = 64LL * 1024 * 1024;

}  // namespace

void Form1::Form_Load() {
    programDirectory_ = args_.programDirectory ? *args_.programDirectory : ProgramDirectory(ProgramFileName());

    timer1_->SetInterval(kTimer1IntervalMs);
    if (!timer1_->SetEnabled(true)) {
        throw RunError(static_cast<int>(GetLastError()), "The sampling timer could not be started");
    }

    SetTopmost(hwnd_, true);
    InstallHotkey(hwnd_, MOD_CONTROL, VK_F12, [this] { guard_.Run(hwnd_, [this] { ToggleSampling(); }); });

    SkipOnFailure([this] { LoadSkinPicture(); });
    SizeToPicture();
    SkipOnFailure([this] { ApplySkin(*this, *picture1_); });
    MoveToTopRight();
    if (!LoadSkinLayout()) {
        EndWithoutUnload();
        return;
    }
    // Closed while its layout loaded.
    if (hwnd_ == nullptr) {
        return;
    }
    // A skin that failed before its end has not shown the window yet.
    if (!IsWindowVisible(hwnd_)) {
        ShowWindow(hwnd_, SW_SHOW);
    }
}

std::wstring Form1::DataPath(std::wstring_view fileName) const {
    return DataFilePath(programDirectory_, fileName);
}

void Form1::LoadSkinPicture() {
    Bitmap picture = LoadPictureFile(DataPath(kSkinPictureFileName));
    // An unreadable skin bitmap leaves the picture box with its design-time picture.
    if (picture) {
        picture1_->SetPicture(std::make_shared<const Bitmap>(std::move(picture)));
    }
}

void Form1::SizeToPicture() {
    SkipOnFailure([this] { SetHeight(picture1_->Height()); });
    SkipOnFailure([this] { SetWidth(picture1_->Width()); });
}

void Form1::MoveToTopRight() {
    SkipOnFailure([this] { SetTop(0.0f); });
    SkipOnFailure([this] { SetLeft(PixelsToTwips(GetSystemMetrics(SM_CXSCREEN), scale_.twipsPerPixelX) - Width()); });
}

// False when the layout file cannot be opened or is too large: the failure has been shown and the program is to end.
// A skin author's editor may hold the file open, for writing or to replace it on save: that is no reason not to read
// it.
bool Form1::LoadSkinLayout() {
    const FileHandle file(CreateFileW(DataPath(kLayoutFileName).c_str(), GENERIC_READ,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
    DWORD failure = file ? ERROR_SUCCESS : GetLastError();
    LARGE_INTEGER size{};
    if (file && GetFileSizeEx(file.get(), &size) && size.QuadPart > kMaxLayoutBytes) {
        failure = ERROR_FILE_TOO_LARGE;
    }
    if (failure != ERROR_SUCCESS) {
        const std::wstring text = SystemErrorText(failure) + L"\r\n" + kLayoutFileName;
        ShowMessageBox(hwnd_, text, std::to_wstring(failure), MB_OK | MB_ICONERROR, IDR_THEMED_DIALOGS);
        return false;
    }
    SkipOnFailure([this, &file] { ApplyLayout(file.get()); });
    return true;
}

RECT Form1::WindowRect() const noexcept {
    RECT place{};
    GetWindowRect(hwnd_, &place);
    return place;
}

float Form1::Width() const {
    const RECT place = WindowRect();
    return PixelsToTwips(place.right - place.left, scale_.twipsPerPixelX);
}

float Form1::Height() const {
    const RECT place = WindowRect();
    return PixelsToTwips(place.bottom - place.top, scale_.twipsPerPixelY);
}

void Form1::SetLeft(float twips) {
    const int32_t left = TwipsToPixels(twips, scale_.twipsPerPixelX);
    SetWindowPos(hwnd_, nullptr, left, WindowRect().top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form1::SetTop(float twips) {
    const int32_t top = TwipsToPixels(twips, scale_.twipsPerPixelY);
    SetWindowPos(hwnd_, nullptr, WindowRect().left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form1::SetWidth(float twips) {
    const int32_t width = TwipsToPixels(twips, scale_.twipsPerPixelX);
    const RECT place = WindowRect();
    SetWindowPos(hwnd_, nullptr, 0, 0, width, place.bottom - place.top, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form1::SetHeight(float twips) {
    const int32_t height = TwipsToPixels(twips, scale_.twipsPerPixelY);
    const RECT place = WindowRect();
    SetWindowPos(hwnd_, nullptr, 0, 0, place.right - place.left, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form1::SetPicture(SharedBitmap picture) {
    picture_ = std::move(picture);
    surface_ = ScaledSkinSurface(picture_ ? picture_->get() : nullptr, display_);
    InvalidateRect(hwnd_, nullptr, FALSE);
}

void Form1::OnDpiChanged(int32_t dpi, const RECT& suggested) {
    display_ = DisplayScale(dpi);
    scale_ = display_.Physical();
    CreateFonts();
    PlaceControlsInPixels();
    surface_ = ScaledSkinSurface(picture_ ? picture_->get() : nullptr, display_);
    SetWindowPos(hwnd_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    // The loupe's grid follows the new place of its box and the new size of the window.
    SkipOnFailure([this] { ArrangeLoupe(); });
    // Only a window the skin has shaped is reshaped: the shape is read from the picture box's persistent image.
    const Region current(CreateRectRgn(0, 0, 0, 0));
    if (picture1_ && picture1_->KeepsImage() && GetWindowRgn(hwnd_, current.get()) != ERROR) {
        Region region = RegionFromBitmap(*picture1_, display_);
        SetWindowRgn(hwnd_, region.release(), TRUE);
    }
    InvalidateRect(hwnd_, nullptr, FALSE);
}

}  // namespace pixlin
