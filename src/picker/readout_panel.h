#pragma once

#include <windows.h>

#include <array>
#include <optional>
#include <string>

#include "core/design/display_scale.h"
#include "core/design/form1_design.h"
#include "core/texts/panel_texts.h"
#include "win32/win_handles.h"

namespace pixlin {

struct SkinLayout;

// A label has no window of its own: it is text drawn over the window's surface and a rectangle that takes clicks.
struct LabelControl {
    TwipsRect place;
    PixelRect pixels;
    std::string caption;
    COLORREF foreColor = 0;
    HFONT font = nullptr;
};

// The colour swatch. Without a fill colour the window's surface shows through, as before the first sample.
struct ShapeControl {
    TwipsRect place;
    PixelRect pixels;
    std::optional<COLORREF> fillColor;
};

// The readouts, the name box and the swatch of one window: where they lie, what they say and how they are drawn.
// The window hands it a colour; the texts of a colour and its partner are worked out once, and only the boxes whose
// text or fill changed are drawn again.
class ReadoutPanel {
public:
    // Every control at its built-in place; the name box, the one control with a window of its own, is made a child of
    // `window`.
    void Create(HWND window, HINSTANCE instance);

    // The fonts at a display scale. The old fonts go only after every control has the new ones.
    void CreateFonts(const DisplayScale& scale);

    struct Pixels {
        std::array<PixelRect, kForm1LabelCount> labels;
        PixelRect shape1;
        PixelRect text1;
    };
    // Every control's pixels at a scale, worked out before any control moves; throws the overflow error.
    Pixels PixelsAt(const DisplayScale& scale) const;
    void Move(const Pixels& pixels);
    // The places, text colours and labels the skin's layout gives; every place is already at the window's scale.
    void ApplyLayout(const SkinLayout& layout);

    // The texts for a colour and the colour its contrast is measured against, and the swatch's fill (none for a
    // pixel that could not be read).
    void Show(const TextsKey& key, std::optional<COLORREF> swatch);
    void ShowState(bool frozen);
    void ShowProfile(const std::string& text);
    // A message said once in the state text's place; the next ShowState replaces it.
    void ShowNotice(const std::string& text);

    const LabelControl& Label(Form1Control label) const noexcept { return labels_[IndexOf(label)]; }
    // Whether the skin brings a label into the window: every label but a newer one that no line of the layout placed.
    bool Shows(Form1Control label) const noexcept { return shown_[IndexOf(label)]; }
    const ShapeControl& Shape1() const noexcept { return shape1_; }
    HWND Text1() const noexcept { return text1_; }
    // Each label's box as it takes clicks: empty for a label the skin does not show.
    std::array<PixelRect, kForm1LabelCount> ClickBoxes() const noexcept;

    void PaintSwatch(HDC dc) const;
    // Draws the labels whose boxes meet the update region.
    void PaintLabels(HDC dc, HRGN update) const;
    // The name box's colours, as its parent answers WM_CTLCOLORSTATIC for it.
    LRESULT Text1Colours(HDC dc) const noexcept;

private:
    void SetCaption(Form1Control label, const std::string& caption);
    void SetName(const std::string& text);
    void SetFill(std::optional<COLORREF> fill);
    void Invalidate(const PixelRect& area) const;

    HWND window_ = nullptr;
    std::array<LabelControl, kForm1LabelCount> labels_;
    ShownLabels shown_{};
    ShapeControl shape1_;
    HWND text1_ = nullptr;
    TwipsRect text1Place_ = kText1Design;
    std::string text1Text_;
    COLORREF text1ForeColor_ = 0;
    Font boldFont_;
    Font regularFont_;
    PanelTextCache texts_;
};

}  // namespace pixlin
