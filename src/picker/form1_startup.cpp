#include "picker/form1.h"

#include "core/base/skip_on_failure.h"
#include "core/skin/data_paths.h"
#include "picker/skin.h"
#include "win32/module_file.h"
#include "win32/on_top.h"
#include "win32/picture_file.h"

namespace pixlin {
namespace {

constexpr UINT kTimer1IntervalMs = 10;
// Every copy of the program names its hot key alike: the system gives them one atom, and the key to the first.
constexpr wchar_t kHotkeyName[] = L"MyHotKey";
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

// While the file decodes, the built-in skin lets go of its memory, so that two skins are never held at once: an
// unreadable file gets it back from the program's resources.
void Form1::LoadSkinPicture() {
    const std::wstring path = DataPath(kSkinPictureFileName);
    if (GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES) {
        return;
    }
    picture1_->SetPicture(nullptr);
    SetPicture(nullptr);
    SharedBitmap skin;
    try {
        if (Bitmap picture = LoadPictureFile(path)) {
            skin = std::make_shared<const Bitmap>(std::move(picture));
        }
    } catch (...) {
        skin = LoadBuiltInSkin();
        picture1_->SetPicture(skin);
        SetPicture(skin);
        throw;
    }
    if (!skin) {
        skin = LoadBuiltInSkin();
    }
    picture1_->SetPicture(skin);
    SetPicture(skin);
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
