#include "picker/readout_panel.h"

#include "core/base/skip_on_failure.h"
#include "core/design/window_actions.h"
#include "core/layout/skin_layout.h"
#include "core/texts/paste_texts.h"
#include "win32/wide_text.h"

namespace pixlin {
namespace {

constexpr int kText1Id = 10;

Font CreateArial(float points, int32_t dpiY, int weight) {
    return Font(CreateFontW(-FontHeightPixels(points, dpiY), 0, 0, 0, weight, FALSE, FALSE, FALSE, ANSI_CHARSET,
                            OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS,
                            L"Arial"));
}

RECT ToRect(const PixelRect& pixels) noexcept {
    return {pixels.left, pixels.top, pixels.right, pixels.bottom};
}

}  // namespace

void ReadoutPanel::Create(HWND window, HINSTANCE instance) {
    window_ = window;
    for (std::size_t i = 0; i < labels_.size(); ++i) {
        labels_[i].place = kLabelDesign[i].place;
        shown_[i] = !IsOptional(static_cast<Form1Control>(i));
    }
    shape1_.place = kShape1Design;
    text1_ =
        CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_LEFT | ES_READONLY | ES_AUTOHSCROLL, 0,
                        0, 0, 0, window, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kText1Id)), instance, nullptr);
}

void ReadoutPanel::CreateFonts(const DisplayScale& scale) {
    Font bold = CreateArial(kArialBold975Points, scale.Dpi(), FW_BOLD);
    Font regular = CreateArial(kArialRegular9Points, scale.Dpi(), FW_NORMAL);
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

ReadoutPanel::Pixels ReadoutPanel::PixelsAt(const DisplayScale& scale) const {
    Pixels pixels;
    for (std::size_t i = 0; i < labels_.size(); ++i) {
        pixels.labels[i] = ToPixels(labels_[i].place, scale);
    }
    pixels.shape1 = ToPixels(shape1_.place, scale);
    pixels.text1 = ToPixels(text1Place_, scale);
    return pixels;
}

void ReadoutPanel::Move(const Pixels& pixels) {
    for (std::size_t i = 0; i < labels_.size(); ++i) {
        labels_[i].pixels = pixels.labels[i];
    }
    shape1_.pixels = pixels.shape1;
    const PixelRect& text1 = pixels.text1;
    MoveWindow(text1_, text1.left, text1.top, text1.right - text1.left, text1.bottom - text1.top, TRUE);
}

// The reading has already refused every place whose pixels overflow at the window's scale, so each control takes its
// result as it is. A newer label comes into the window only with a line of its key.
void ReadoutPanel::ApplyLayout(const SkinLayout& layout) {
    for (std::size_t i = 0; i < kForm1LabelCount; ++i) {
        labels_[i].place = layout.controls[i].place;
        labels_[i].pixels = layout.controls[i].pixels;
        labels_[i].foreColor = static_cast<COLORREF>(layout.controls[i].foreColor);
        shown_[i] = layout.Shows(static_cast<Form1Control>(i));
    }
    const ControlLayout& shape = layout.Control(Form1Control::Shape1);
    shape1_.place = shape.place;
    shape1_.pixels = shape.pixels;
    const ControlLayout& text = layout.Control(Form1Control::Text1);
    if (text.placedBy != 0) {
        text1Place_ = text.place;
        SkipOnFailure([this, &text] {
            MoveWindow(text1_, text.pixels.left, text.pixels.top, text.pixels.right - text.pixels.left,
                       text.pixels.bottom - text.pixels.top, TRUE);
        });
    }
    if (static_cast<COLORREF>(text.foreColor) != text1ForeColor_) {
        text1ForeColor_ = static_cast<COLORREF>(text.foreColor);
        InvalidateRect(text1_, nullptr, TRUE);
    }
}

void ReadoutPanel::Show(const TextsKey& key, std::optional<COLORREF> swatch) {
    SetFill(swatch);
    const PanelTexts& texts = texts_.TextsFor(key, shown_);
    for (std::size_t i = 0; i < kForm1LabelCount; ++i) {
        if (IsReadout(static_cast<Form1Control>(i))) {
            SetCaption(static_cast<Form1Control>(i), texts.labels[i]);
        }
    }
    SetName(texts.name);
}

void ReadoutPanel::ShowState(bool frozen) {
    if (Shows(Form1Control::lbl_STATE)) {
        SetCaption(Form1Control::lbl_STATE, StateText(frozen));
    }
}

void ReadoutPanel::ShowProfile(const std::string& text) {
    if (Shows(Form1Control::lbl_PROFILE)) {
        SetCaption(Form1Control::lbl_PROFILE, text);
    }
}

void ReadoutPanel::ShowNotice(const std::string& text) {
    if (Shows(Form1Control::lbl_STATE)) {
        SetCaption(Form1Control::lbl_STATE, text);
    }
}

std::array<PixelRect, kForm1LabelCount> ReadoutPanel::ClickBoxes() const noexcept {
    std::array<PixelRect, kForm1LabelCount> boxes{};
    for (std::size_t i = 0; i < labels_.size(); ++i) {
        boxes[i] = shown_[i] ? labels_[i].pixels : PixelRect{};
    }
    return boxes;
}

void ReadoutPanel::PaintSwatch(HDC dc) const {
    if (shape1_.fillColor) {
        const Brush fill(CreateSolidBrush(*shape1_.fillColor));
        const RECT swatch = ToRect(shape1_.pixels);
        FillRect(dc, &swatch, fill.get());
    }
}

void ReadoutPanel::PaintLabels(HDC dc, HRGN update) const {
    SetBkMode(dc, TRANSPARENT);
    for (std::size_t i = 0; i < labels_.size(); ++i) {
        const LabelControl& label = labels_[i];
        RECT place = ToRect(label.pixels);
        if (label.caption.empty() || !RectInRegion(update, &place)) {
            continue;
        }
        const SelectedObject selectedFont(dc, label.font);
        SetTextColor(dc, label.foreColor);
        const std::wstring caption = Widen(label.caption);
        if (IsOptional(static_cast<Form1Control>(i))) {
            // The newer texts have blanks ("rgb(255, 128, 0)"): one line, cut at the box's edge, never broken at a
            // blank into a second line the box has no room for. Without DrawText's line breaking it is cheaper too,
            // and these change on every move.
            ExtTextOutW(dc, place.left, place.top, ETO_CLIPPED, &place, caption.c_str(),
                        static_cast<UINT>(caption.size()), nullptr);
        } else {
            DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &place,
                      DT_LEFT | DT_TOP | DT_WORDBREAK | DT_NOPREFIX);
        }
    }
}

LRESULT ReadoutPanel::Text1Colours(HDC dc) const noexcept {
    SetTextColor(dc, text1ForeColor_);
    SetBkColor(dc, RGB(255, 255, 255));
    return reinterpret_cast<LRESULT>(GetStockObject(WHITE_BRUSH));
}

// Only what changed is redrawn: at 100 ticks a second a full repaint would flicker.
void ReadoutPanel::SetCaption(Form1Control label, const std::string& caption) {
    LabelControl& control = labels_[IndexOf(label)];
    if (control.caption == caption) {
        return;
    }
    control.caption = caption;
    Invalidate(control.pixels);
}

void ReadoutPanel::SetName(const std::string& text) {
    if (text1Text_ == text) {
        return;
    }
    text1Text_ = text;
    SetWindowTextW(text1_, Widen(text).c_str());
}

void ReadoutPanel::SetFill(std::optional<COLORREF> fill) {
    if (shape1_.fillColor == fill) {
        return;
    }
    shape1_.fillColor = fill;
    Invalidate(shape1_.pixels);
}

void ReadoutPanel::Invalidate(const PixelRect& area) const {
    const RECT rect = ToRect(area);
    InvalidateRect(window_, &rect, FALSE);
}

}  // namespace pixlin
