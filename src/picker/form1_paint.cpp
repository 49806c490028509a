#include "picker/form1.h"

#include "win32/wide_text.h"

namespace pixlin {
namespace {

class PaintScope {
public:
    explicit PaintScope(HWND window) noexcept : window_(window) { BeginPaint(window_, &paint_); }
    PaintScope(const PaintScope&) = delete;
    PaintScope& operator=(const PaintScope&) = delete;
    ~PaintScope() { EndPaint(window_, &paint_); }

    HDC dc() const noexcept { return paint_.hdc; }
    const RECT& area() const noexcept { return paint_.rcPaint; }

private:
    HWND window_;
    PAINTSTRUCT paint_{};
};

RECT ToRect(const PixelRect& pixels) noexcept {
    return {pixels.left, pixels.top, pixels.right, pixels.bottom};
}

}  // namespace

// Drawn off-screen and copied in one piece, so the readouts never flicker while they change.
void Form1::OnPaint() {
    // The parts to paint can lie far apart (the loupe below, a readout above): only they are drawn, not the whole
    // rectangle around them. BeginPaint empties the update region, so it is taken first.
    Region update(CreateRectRgn(0, 0, 0, 0));
    if (update && GetUpdateRgn(hwnd_, update.get(), FALSE) == ERROR) {
        update.reset();
    }
    const PaintScope paint(hwnd_);
    const RECT& area = paint.area();
    if (!update) {
        update = Region(CreateRectRgnIndirect(&area));
        if (!update) {
            return;
        }
    }
    RECT client{};
    GetClientRect(hwnd_, &client);
    if (client.right <= 0 || client.bottom <= 0) {
        return;
    }
    const HDC buffer = paintBuffer_.Prepare(paint.dc(), client.right, client.bottom);
    if (buffer == nullptr) {
        return;
    }
    // Only the area to paint goes to the screen, so only that is drawn: a tick changes a few small readouts.
    SelectClipRgn(buffer, update.get());

    FillRect(buffer, &client, GetSysColorBrush(COLOR_BTNFACE));
    const HBITMAP surface = surface_ ? surface_.get() : (picture_ ? picture_->get() : nullptr);
    if (surface != nullptr) {
        const MemoryDc source(CreateCompatibleDC(buffer));
        const SelectedObject selectedPicture(source.get(), surface);
        const SIZE size = BitmapSize(surface);
        BitBlt(buffer, 0, 0, size.cx, size.cy, source.get(), 0, 0, SRCCOPY);
    }
    if (shape1_.fillColor) {
        const Brush fill(CreateSolidBrush(*shape1_.fillColor));
        const RECT swatch = ToRect(shape1_.pixels);
        FillRect(buffer, &swatch, fill.get());
    }
    loupe_.Paint(buffer);
    history_.Paint(buffer);
    SetBkMode(buffer, TRANSPARENT);
    for (std::size_t i = 0; i < labels_.size(); ++i) {
        const LabelControl& label = labels_[i];
        RECT place = ToRect(label.pixels);
        if (label.caption.empty() || !RectInRegion(update.get(), &place)) {
            continue;
        }
        const SelectedObject selectedFont(buffer, label.font);
        SetTextColor(buffer, label.foreColor);
        const std::wstring caption = Widen(label.caption);
        if (IsOptional(static_cast<Form1Control>(i))) {
            // The newer texts have blanks ("rgb(255, 128, 0)"): one line, cut at the box's edge, never broken at a
            // blank into a second line the box has no room for. Without DrawText's line breaking it is cheaper too,
            // and these change on every move.
            ExtTextOutW(buffer, place.left, place.top, ETO_CLIPPED, &place, caption.c_str(),
                        static_cast<UINT>(caption.size()), nullptr);
        } else {
            DrawTextW(buffer, caption.c_str(), static_cast<int>(caption.size()), &place,
                      DT_LEFT | DT_TOP | DT_WORDBREAK | DT_NOPREFIX);
        }
    }
    if (picture1_) {
        picture1_->Paint(buffer);
    }

    BitBlt(paint.dc(), area.left, area.top, area.right - area.left, area.bottom - area.top, buffer, area.left, area.top,
           SRCCOPY);
}

LRESULT Form1::OnText1Colours(HDC dc) noexcept {
    SetTextColor(dc, text1ForeColor_);
    SetBkColor(dc, RGB(255, 255, 255));
    return reinterpret_cast<LRESULT>(GetStockObject(WHITE_BRUSH));
}

}  // namespace pixlin
