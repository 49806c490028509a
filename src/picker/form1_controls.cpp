#include "picker/form1.h"

#include <algorithm>
#include <memory>

#include "picker/picture_box.h"
#include "picker/resource.h"
#include "win32/window_dpi.h"

namespace pixlin {
namespace {

constexpr wchar_t kWindowClass[] = L"PixlinForm1";
constexpr UINT_PTR kTimer1Id = 1;

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

void RegisterForm1Class(HINSTANCE instance, WNDPROC windowProc) {
    WNDCLASSEXW description{};
    description.cbSize = sizeof(description);
    // No CS_DBLCLKS: a quick second click on a readout is a second click, not a double click.
    description.style = 0;
    description.lpfnWndProc = windowProc;
    description.hInstance = instance;
    description.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(IDI_PIXLIN));
    // Shared icons belong to the system: however many windows register, nothing is loaded twice or left behind.
    description.hIconSm =
        static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(IDI_PIXLIN), IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                      GetSystemMetrics(SM_CYSMICON), LR_DEFAULTCOLOR | LR_SHARED));
    description.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    description.lpszClassName = kWindowClass;
    // A second window of the process (tests make several) finds the class registered already.
    RegisterClassExW(&description);
}

}  // namespace

void Form1::CreateWindowAndControls() {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    // The design-time picture of the window and of the picture box: one bitmap, shown by both.
    picture_ = LoadDefaultSkin(instance);

    RegisterForm1Class(instance, &Form1::WindowProc);
    const SIZE size = BitmapSize(picture_->get());
    // Topmost comes with the start-up, hidden until the skin is in place.
    CreateWindowExW(WS_EX_APPWINDOW, kWindowClass, L"", WS_POPUP | WS_CLIPCHILDREN, 0, 0, std::max(size.cx, 1L),
                    std::max(size.cy, 1L), nullptr, nullptr, instance, this);
    if (hwnd_ == nullptr) {
        throw RunError(static_cast<int>(GetLastError()), "The window could not be created");
    }
    scale_ = DisplayScale(args_.dpi ? *args_.dpi : WindowDpi(hwnd_));

    panel_.Create(hwnd_, instance);
    panel_.CreateFonts(scale_);
    PlaceControlsInPixels();
    picture1_.emplace(kPicture1Design, kUnscaledLayout, picture_);
    timer1_.emplace(hwnd_, kTimer1Id);
}

void Form1::PlaceControlsInPixels() {
    MoveControls(PixelsAt(scale_));
}

Form1::ControlPixels Form1::PixelsAt(const DisplayScale& scale) const {
    return ControlPixels{panel_.PixelsAt(scale), history_.PixelsAt(scale)};
}

void Form1::MoveControls(const ControlPixels& pixels) {
    panel_.Move(pixels.panel);
    history_.Move(pixels.history);
}

}  // namespace pixlin
