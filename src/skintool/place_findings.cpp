#include "skintool/place_findings.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

#include "core/design/history_swatches.h"
#include "skintool/contrast.h"
#include "skintool/layout_text.h"
#include "skintool/text_fit_findings.h"

namespace pixlin::skintool {
namespace {

PixelRect Intersect(const PixelRect& a, const PixelRect& b) {
    PixelRect common{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
                     std::min(a.bottom, b.bottom)};
    if (common.right <= common.left || common.bottom <= common.top) {
        return {};
    }
    return common;
}

bool IsEmpty(const PixelRect& rect) {
    return rect.right <= rect.left || rect.bottom <= rect.top;
}

std::int64_t Area(const PixelRect& rect) {
    return IsEmpty(rect) ? 0 : std::int64_t{rect.right - rect.left} * (rect.bottom - rect.top);
}

std::string BoxText(const PixelRect& box) {
    return std::to_string(box.left) + "," + std::to_string(box.top) + " " + std::to_string(box.right - box.left) +
           " x " + std::to_string(box.bottom - box.top);
}

// Where the picker takes the place from, for the message, and how to change it.
std::string Origin(const PlacedControl& control) {
    return control.named ? "" : " (no layout line places it: it keeps its built-in place)";
}

std::string MoveFix(const PlacedControl& control) {
    const std::string key(control.key);
    return control.named ? "move or resize it on line " + std::to_string(control.line)
                         : "place it with a line " + Quoted(key + "=left,top,width,height...");
}

std::string HtmlColour(std::int32_t colour) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02X%02X%02X", static_cast<unsigned>(colour & 0xFF),
                  static_cast<unsigned>(colour >> 8 & 0xFF), static_cast<unsigned>(colour >> 16 & 0xFF));
    return text;
}

double LuminanceOfColourValue(std::int32_t colour) {
    return RelativeLuminance(RgbOf(colour));
}

double LuminanceOfPixel(std::uint32_t rgb) {
    return RelativeLuminance(Rgb{static_cast<std::uint8_t>(rgb >> 16 & 0xFF),
                                 static_cast<std::uint8_t>(rgb >> 8 & 0xFF), static_cast<std::uint8_t>(rgb & 0xFF)});
}

class PlaceChecker {
public:
    PlaceChecker(const WindowLayout& layout, const SkinPicture* picture) : layout_(layout), picture_(picture) {}

    Findings Check() {
        for (const PlacedControl& control : layout_.controls) {
            if (control.role == ControlRole::ClickArea && IsSwatchArea(control)) {
                continue;
            }
            if (control.role == ControlRole::Loupe) {
                CheckLoupe(control);
            }
            if (control.role == ControlRole::History && !IsEmpty(control.box)) {
                CheckHistory(control);
            }
            if (IsEmpty(control.box) && control.role != ControlRole::Loupe) {
                Add(Severity::Warning, control, "empty-box",
                    "the " + control.name + " has no area (" + BoxText(control.box) + ")" + Origin(control) +
                        ": it can be neither seen nor clicked",
                    "give it a width and a height above 0");
                continue;
            }
            if (picture_ && !IsEmpty(control.box)) {
                CheckOnBitmap(control);
            }
        }
        CheckOverlaps();
        const Findings texts = TextFitFindings(layout_);
        findings_.insert(findings_.end(), texts.begin(), texts.end());
        return std::move(findings_);
    }

private:
    void Add(Severity severity, const PlacedControl& control, std::string kind, std::string message, std::string fix) {
        findings_.push_back(Finding{severity, std::string(kLayoutFile), control.line, std::move(kind),
                                    std::move(message), std::move(fix)});
    }

    // The swatch's click area lies exactly over the swatch when the layout places the two together.
    bool IsSwatchArea(const PlacedControl& control) const {
        return std::any_of(layout_.controls.begin(), layout_.controls.end(), [&control](const PlacedControl& other) {
            return other.role == ControlRole::Swatch && other.box == control.box;
        });
    }

    // The loupe takes whole cells from the part of its box inside the window, which is the bitmap's size.
    void CheckLoupe(const PlacedControl& loupe) {
        const std::int32_t factor = layout_.loupe->factor;
        const std::string factorText = std::to_string(factor) + " x " + std::to_string(factor);
        if (layout_.loupeFactorLine == 0) {
            Add(Severity::Info, loupe, "loupe-factor",
                "no " + std::string(loupe.key) + " line gives the loupe's factor: " + std::to_string(factor) +
                    " is used",
                "");
        }
        const std::optional<LoupeGeometry>& geometry = layout_.loupe->geometry;
        if (!geometry) {
            const PixelRect window = picture_ ? PixelRect{0, 0, picture_->width, picture_->height} : loupe.box;
            const PixelRect inside = Intersect(loupe.box, window);
            const std::string within = inside == loupe.box ? std::string()
                                                           : " (only " + std::to_string(inside.right - inside.left) +
                                                                 " x " + std::to_string(inside.bottom - inside.top) +
                                                                 " of it inside the bitmap)";
            Add(Severity::Warning, loupe, "loupe-too-small",
                "the loupe's box " + BoxText(loupe.box) + within + " cannot hold one cell of " + factorText +
                    " pixels: the skin has no loupe",
                "give the box at least " + factorText + " pixels inside the bitmap, or a smaller factor, on line " +
                    std::to_string(loupe.line));
            return;
        }
        Add(Severity::Info, loupe, "loupe",
            "the loupe shows " + std::to_string(geometry->columns) + " x " + std::to_string(geometry->rows) +
                " screen pixels, each as " + factorText + " pixels, at " + BoxText(geometry->grid),
            "");
    }

    void CheckHistory(const PlacedControl& history) {
        const std::int32_t count = layout_.history->count;
        const PixelRect first = HistorySwatch(history.box, count, 0);
        const std::int32_t width = first.right - first.left;
        if (width == 0) {
            Add(Severity::Warning, history, "history-too-narrow",
                "the history's box " + BoxText(history.box) + " is narrower than its " + std::to_string(count) +
                    " swatches: none of them can be seen",
                "make the box at least " + std::to_string(count) + " pixels wide, or give a smaller count");
            return;
        }
        const std::int32_t spare = history.box.right - HistorySwatch(history.box, count, count - 1).right;
        Add(Severity::Info, history, "history",
            "the history shows the last " + std::to_string(count) + " copied colours as swatches of " +
                std::to_string(width) + " x " + std::to_string(first.bottom - first.top) + " pixels" +
                (spare > 0 ? ", with " + std::to_string(spare) + " pixels of the skin left at the right" : ""),
            "");
    }

    void CheckOnBitmap(const PlacedControl& control) {
        const PixelRect bitmap{0, 0, picture_->width, picture_->height};
        const PixelRect inside = Intersect(control.box, bitmap);
        if (IsEmpty(inside)) {
            Add(Severity::Warning, control, "outside-bitmap",
                "the " + control.name + " at " + BoxText(control.box) + Origin(control) + " lies outside the " +
                    std::to_string(picture_->width) + " x " + std::to_string(picture_->height) +
                    " bitmap: it can be neither seen nor clicked",
                MoveFix(control));
            return;
        }
        if (!(inside == control.box)) {
            Add(Severity::Warning, control, "outside-bitmap",
                "the " + control.name + " at " + BoxText(control.box) + Origin(control) + " reaches beyond the " +
                    std::to_string(picture_->width) + " x " + std::to_string(picture_->height) +
                    " bitmap: the part outside is cut off",
                MoveFix(control));
        }
        const std::uint32_t key = picture_->At(0, 0);
        std::int64_t cutOut = 0;
        for (std::int32_t y = inside.top; y < inside.bottom; ++y) {
            for (std::int32_t x = inside.left; x < inside.right; ++x) {
                cutOut += picture_->At(x, y) == key ? 1 : 0;
            }
        }
        if (cutOut > 0) {
            Add(Severity::Warning, control, "over-cut-out",
                std::to_string(cutOut) + " of the " + std::to_string(Area(inside)) + " pixels under the " +
                    control.name + Origin(control) +
                    " are cut out: what it shows there is not drawn, and clicks there go to the window behind",
                MoveFix(control) + ", or paint the bitmap under it in another colour than the key colour");
        }
        CheckContrast(control);
    }

    void CheckContrast(const PlacedControl& control) {
        const std::optional<double> ratio = TextContrast(control, *picture_);
        if (!ratio) {
            return;
        }
        const std::string against =
            control.role == ControlRole::NameBox ? "its white background" : "the bitmap under it (mean luminance)";
        const std::string message = "the " + control.name + "'s text colour " + std::to_string(*control.foreColor) +
                                    " (" + HtmlColour(*control.foreColor) + ")" + " has a contrast of " +
                                    NumberText(std::round(*ratio * 10) / 10) + ":1 against " + against;
        if (*ratio >= kMinContrast) {
            Add(Severity::Info, control, "contrast", message, "");
            return;
        }
        const bool lightText = LuminanceOfColourValue(*control.foreColor) > 0.5;
        Add(Severity::Warning, control, "low-contrast",
            message + ", below " + NumberText(kMinContrast) + ":1 and hard to read",
            lightText ? "use a darker text colour, e.g. 0 (black), or a lighter one over a darker bitmap"
                      : "use a lighter text colour, e.g. 16777215 (white), or a darker one over a lighter bitmap");
    }

    void CheckOverlaps() {
        const std::vector<PlacedControl>& controls = layout_.controls;
        for (std::size_t i = 0; i < controls.size(); ++i) {
            for (std::size_t j = i + 1; j < controls.size(); ++j) {
                const PlacedControl& lower = controls[i];
                const PlacedControl& upper = controls[j];
                // The swatch's click area is meant to lie over the swatch.
                if (lower.role == ControlRole::Swatch && upper.role == ControlRole::ClickArea) {
                    continue;
                }
                const PixelRect common = Intersect(lower.box, upper.box);
                if (IsEmpty(common)) {
                    continue;
                }
                const PlacedControl& later = lower.line > upper.line ? lower : upper;
                Add(Severity::Warning, later, "overlap",
                    "the " + lower.name + " and the " + upper.name + " overlap at " + BoxText(common) + ": the " +
                        upper.name + " covers the other there and takes its clicks",
                    MoveFix(later));
            }
        }
    }

    const WindowLayout& layout_;
    const SkinPicture* picture_;
    Findings findings_;
};

}  // namespace

Findings PlaceFindings(const WindowLayout& layout, const SkinPicture* picture) {
    return PlaceChecker(layout, picture).Check();
}

std::optional<double> TextContrast(const PlacedControl& control, const SkinPicture& picture) {
    if (!control.foreColor) {
        return std::nullopt;
    }
    const double text = LuminanceOfColourValue(*control.foreColor);
    if (control.role == ControlRole::NameBox) {
        return ContrastRatio(text, LuminanceOfPixel(kNameBoxBackground));
    }
    const PixelRect inside = Intersect(control.box, PixelRect{0, 0, picture.width, picture.height});
    const std::uint32_t key = picture.At(0, 0);
    double sum = 0.0;
    std::int64_t count = 0;
    for (std::int32_t y = inside.top; y < inside.bottom; ++y) {
        for (std::int32_t x = inside.left; x < inside.right; ++x) {
            if (picture.At(x, y) != key) {
                sum += LuminanceOfPixel(picture.At(x, y));
                ++count;
            }
        }
    }
    if (count == 0) {
        return std::nullopt;
    }
    return ContrastRatio(text, sum / static_cast<double>(count));
}

}  // namespace pixlin::skintool
