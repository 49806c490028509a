#include "picker/form1.h"

#include <algorithm>
#include <cstdlib>
#include <memory>

#include "picker/picture_box.h"
#include "picker/resource.h"
#include "win32/window_dpi.h"

namespace pixlin {
namespace {

constexpr wchar_t kWindowClass[] = L"PixlinForm1";
constexpr UINT_PTR kTimer1Id = 1;

// The built-in skin's size from its resource's header, without decoding its pixels; 0 by 0 without the resource.
SIZE BuiltInSkinSize(HINSTANCE instance) {
    const HRSRC resource = FindResourceW(instance, MAKEINTRESOURCEW(IDB_DEFAULT_SKIN), RT_BITMAP);
    const HGLOBAL loaded = resource != nullptr ? LoadResource(instance, resource) : nullptr;
    const auto* header = loaded != nullptr ? static_cast<const BITMAPINFOHEADER*>(LockResource(loaded)) : nullptr;
    if (header == nullptr || SizeofResource(instance, resource) < sizeof(BITMAPINFOHEADER)) {
        return {0, 0};
    }
    return {header->biWidth, std::abs(header->biHeight)};
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
    RegisterForm1Class(instance, &Form1::WindowProc);
    // The window starts at the built-in skin's size; its pixels are decoded only when no skin file takes its place.
    const SIZE size = BuiltInSkinSize(instance);
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
    picture1_.emplace(kPicture1Design, kUnscaledLayout, nullptr);
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
