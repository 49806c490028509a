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
constexpr int kText1Id = 10;

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

Font CreateArial(float points, int32_t dpiY, int weight) {
    return Font(CreateFontW(-FontHeightPixels(points, dpiY), 0, 0, 0, weight, FALSE, FALSE, FALSE, ANSI_CHARSET,
                            OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS,
                            L"Arial"));
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

    for (std::size_t i = 0; i < labels_.size(); ++i) {
        labels_[i].place = kLabelDesign[i].place;
        shown_[i] = !IsOptional(static_cast<Form1Control>(i));
    }
    shape1_.place = kShape1Design;
    CreateText1(instance);
    CreateFonts();
    PlaceControlsInPixels();
    picture1_.emplace(kPicture1Design, kUnscaledLayout, picture_);
    timer1_.emplace(hwnd_, kTimer1Id);
}

// The old fonts go only after every control has the new ones.
void Form1::CreateFonts() {
    Font bold = CreateArial(kArialBold975Points, scale_.Dpi(), FW_BOLD);
    Font regular = CreateArial(kArialRegular9Points, scale_.Dpi(), FW_NORMAL);
    for (std::size_t i = 0; i < labels_.size(); ++i) {
        switch (kLabelDesign[i].font) {
            case ControlFont::ArialBold975:
                labels_[i].font = bold.get();
                break;
            case ControlFont::ArialRegular9:
                labels_[i].font = regular.get();
                break;
            case ControlFont::WindowDefault:
                labels_[i].font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
                break;
        }
    }
    SendMessageW(text1_, WM_SETFONT, reinterpret_cast<WPARAM>(regular.get()), TRUE);
    boldFont_ = std::move(bold);
    regularFont_ = std::move(regular);
}

void Form1::PlaceControlsInPixels() {
    MoveControls(PixelsAt(scale_));
}

Form1::ControlPixels Form1::PixelsAt(const DisplayScale& scale) const {
    ControlPixels pixels;
    for (std::size_t i = 0; i < labels_.size(); ++i) {
        pixels.labels[i] = ToPixels(labels_[i].place, scale);
    }
    pixels.shape1 = ToPixels(shape1_.place, scale);
    pixels.text1 = ToPixels(text1Place_, scale);
    pixels.history = history_.PixelsAt(scale);
    return pixels;
}

void Form1::MoveControls(const ControlPixels& pixels) {
    for (std::size_t i = 0; i < labels_.size(); ++i) {
        labels_[i].pixels = pixels.labels[i];
    }
    shape1_.pixels = pixels.shape1;
    history_.Move(pixels.history);
    const PixelRect& text1 = pixels.text1;
    MoveWindow(text1_, text1.left, text1.top, text1.right - text1.left, text1.bottom - text1.top, TRUE);
}

void Form1::CreateText1(HINSTANCE instance) {
    text1_ =
        CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_LEFT | ES_READONLY | ES_AUTOHSCROLL, 0,
                        0, 0, 0, hwnd_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kText1Id)), instance, nullptr);
}

}  // namespace pixlin
