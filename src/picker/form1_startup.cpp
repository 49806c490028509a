#include "picker/form1.h"

#include "core/base/skip_on_failure.h"
#include "core/layout/data_paths.h"
#include "picker/resource.h"
#include "picker/skin.h"
#include "win32/module_file.h"
#include "win32/on_top.h"
#include "win32/picture_file.h"

namespace pixlin {
namespace {

constexpr UINT kTimer1IntervalMs = 10;
// Every copy of the program names its hot key alike: the system gives them one atom, and the key to the first.
constexpr wchar_t kHotkeyName[] = L"MyHotKey";
constexpr wchar_t kCopyHotkeyName[] = L"PixlinCopyKey";
constexpr wchar_t kSkinPictureFileName[] = L"pixlin.dat1";

// The program carries the default skin in 8 bits, a third of the size; the window works on a 24-bit copy, as it did
// when the resource itself had 24 bits. Every pixel is a palette entry, so the copy's colours are exact. Should the
// copy fail, the 8-bit picture serves: the system draws and reads it all the same.
SharedBitmap LoadDefaultSkin(HINSTANCE instance) {
    Bitmap stored(static_cast<HBITMAP>(
        LoadImageW(instance, MAKEINTRESOURCEW(IDB_DEFAULT_SKIN), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    if (!stored) {
        return std::make_shared<const Bitmap>();
    }
    const SIZE size = BitmapSize(stored.get());
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = size.cx;
    info.bmiHeader.biHeight = size.cy;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    Bitmap full(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    const MemoryDc source(CreateCompatibleDC(nullptr));
    const MemoryDc target(CreateCompatibleDC(nullptr));
    if (!full || !source || !target) {
        return std::make_shared<const Bitmap>(std::move(stored));
    }
    {
        const SelectedObject from(source.get(), stored.get());
        const SelectedObject to(target.get(), full.get());
        if (!BitBlt(target.get(), 0, 0, size.cx, size.cy, source.get(), 0, 0, SRCCOPY)) {
            return std::make_shared<const Bitmap>(std::move(stored));
        }
    }
    return std::make_shared<const Bitmap>(std::move(full));
}

}  // namespace

void Form1::Form_Load() {
    programDirectory_ = args_.programDirectory ? *args_.programDirectory : ProgramDirectory(ProgramFileName());

    timer1_->SetInterval(kTimer1IntervalMs);
    if (!timer1_->SetEnabled(true)) {
        throw RunError(static_cast<int>(GetLastError()), "The sampling timer could not be started");
    }

    SetTopmost(hwnd_, true);
    hotkey_ = GlobalHotkey(hwnd_, kHotkeyName, MOD_CONTROL, VK_F12);
    copyHotkey_ = GlobalHotkey(hwnd_, kCopyHotkeyName, MOD_CONTROL, VK_F11);

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
    LoadKeptColours();
    // A skin that failed before its end has not shown the window yet.
    if (!IsWindowVisible(hwnd_)) {
        ShowWindow(hwnd_, SW_SHOW);
    }
}

std::wstring Form1::DataPath(std::wstring_view fileName) const {
    return DataFilePath(programDirectory_, fileName);
}

// Without a usable skin bitmap the window and the picture box show the built-in skin. It is decoded only then: the
// 24-bit copy costs Wine 0.6 MB of memory that stays with the process after the copy is gone.
void Form1::LoadSkinPicture() {
    Bitmap picture = LoadPictureFile(DataPath(kSkinPictureFileName));
    if (picture) {
        picture1_->SetPicture(std::make_shared<const Bitmap>(std::move(picture)));
        return;
    }
    picture_ = LoadDefaultSkin(GetModuleHandleW(nullptr));
    picture1_->SetPicture(picture_);
}

void Form1::SizeToPicture() {
    SkipOnFailure([this] { SetHeight(picture1_->Height()); });
    SkipOnFailure([this] { SetWidth(picture1_->Width()); });
}

void Form1::MoveToTopRight() {
    SkipOnFailure([this] { SetTop(0.0f); });
    SkipOnFailure([this] { SetLeft(scale_.Twips(GetSystemMetrics(SM_CXSCREEN)) - Width()); });
}

}  // namespace pixlin
