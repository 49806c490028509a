#include "picker/form1.h"

#include "core/base/skip_on_failure.h"
#include "core/skin/data_paths.h"
#include "picker/resource.h"
#include "picker/skin.h"
#include "win32/message_box.h"
#include "win32/module_file.h"
#include "win32/on_top.h"
#include "win32/picture_file.h"
#include "win32/system_error_text.h"

namespace pixlin {
namespace {

constexpr UINT kTimer1IntervalMs = 10;
// Every copy of the program names its hot key alike: the system gives them one atom, and the key to the first.
constexpr wchar_t kHotkeyName[] = L"MyHotKey";
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

}  // namespace pixlin
