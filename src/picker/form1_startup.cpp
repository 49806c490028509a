#include "picker/form1.h"

#include "core/base/skip_on_failure.h"
#include "core/layout/data_paths.h"
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
    SkipOnFailure([this] { SetLeft(scale_.Twips(GetSystemMetrics(SM_CXSCREEN)) - Width()); });
}

}  // namespace pixlin
