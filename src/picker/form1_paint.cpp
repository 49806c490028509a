#include "picker/form1.h"

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

}  // namespace

// Drawn off-screen and copied in bands, so the readouts never flicker while they change.
void Form1::OnPaint() {
    // The parts to paint can lie far apart (the loupe below, a readout above): only they are drawn, not the whole
    // rectangle around them. BeginPaint empties the update region, so it is taken first.
    Region update(CreateRectRgn(0, 0, 0, 0));
    if (update && GetUpdateRgn(hwnd_, update.get(), FALSE) == ERROR) {
        update.reset();
    }
    const PaintScope paint(hwnd_);
    if (!update) {
        update = Region(CreateRectRgnIndirect(&paint.area()));
        if (!update) {
            return;
        }
    }
    RECT client{};
    GetClientRect(hwnd_, &client);
    const HBITMAP surface = surface_ ? surface_.get() : (picture_ ? picture_->get() : nullptr);
    const MemoryDc source(surface != nullptr ? CreateCompatibleDC(paint.dc()) : nullptr);
    const SelectedObject selectedPicture(source.get(), surface);
    const SIZE size = BitmapSize(surface);
    // Only the area to paint goes to the screen, so only that is drawn: a tick changes a few small readouts.
    paintBuffer_.Paint(paint.dc(), update.get(), client.right, client.bottom, [&](HDC buffer, HRGN part) {
        FillRect(buffer, &client, GetSysColorBrush(COLOR_BTNFACE));
        if (source) {
            BitBlt(buffer, 0, 0, size.cx, size.cy, source.get(), 0, 0, SRCCOPY);
        }
        panel_.PaintSwatch(buffer);
        loupe_.Paint(buffer);
        history_.Paint(buffer);
        panel_.PaintLabels(buffer, part);
        if (picture1_) {
            picture1_->Paint(buffer);
        }
    });
}

}  // namespace pixlin
