#include "picker/form1.h"

#include "picker/skin_surface.h"

namespace pixlin {

RECT Form1::WindowRect() const noexcept {
    RECT place{};
    GetWindowRect(hwnd_, &place);
    return place;
}

float Form1::Width() const {
    const RECT place = WindowRect();
    return scale_.Twips(place.right - place.left);
}

float Form1::Height() const {
    const RECT place = WindowRect();
    return scale_.Twips(place.bottom - place.top);
}

void Form1::SetLeft(float twips) {
    const int32_t left = scale_.Pixels(twips);
    SetWindowPos(hwnd_, nullptr, left, WindowRect().top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form1::SetTop(float twips) {
    const int32_t top = scale_.Pixels(twips);
    SetWindowPos(hwnd_, nullptr, WindowRect().left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form1::SetWidth(float twips) {
    const int32_t width = scale_.Pixels(twips);
    const RECT place = WindowRect();
    SetWindowPos(hwnd_, nullptr, 0, 0, width, place.bottom - place.top, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form1::SetHeight(float twips) {
    const int32_t height = scale_.Pixels(twips);
    const RECT place = WindowRect();
    SetWindowPos(hwnd_, nullptr, 0, 0, place.right - place.left, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form1::SetPicture(SharedBitmap picture) {
    picture_ = std::move(picture);
    surface_ = ScaledSkinSurface(picture_ ? picture_->get() : nullptr, scale_);
    InvalidateRect(hwnd_, nullptr, FALSE);
}

}  // namespace pixlin
