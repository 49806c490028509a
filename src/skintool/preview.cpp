#include "skintool/preview.h"

#include <stb_easy_font.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <string>

#include "core/colour/clr_models.h"
#include "core/texts/paste_texts.h"
#include "core/texts/profile_texts.h"
#include "core/texts/readout_texts.h"
#include "skintool/label_text.h"
#include "skintool/widest_texts.h"

namespace pixlin::skintool {
namespace {

constexpr std::uint32_t kOutline = 0x00C8FF;
constexpr std::uint32_t kNameShadow = 0x000000;
constexpr std::uint32_t kNameBoxBackground = 0xFFFFFF;
constexpr int kQuadBytes = 4 * 16;
constexpr std::int64_t kFarOff = std::int64_t{1} << 30;

std::uint32_t FromColourValue(std::int32_t colour) {
    return static_cast<std::uint32_t>((colour & 0xFF) << 16 | (colour & 0xFF00) | (colour >> 16 & 0xFF));
}

class Canvas {
public:
    explicit Canvas(Image& image) : image_(image) {}

    void Set(std::int32_t x, std::int32_t y, std::uint32_t rgb) {
        if (x < 0 || y < 0 || x >= image_.width || y >= image_.height) {
            return;
        }
        const std::size_t at =
            (static_cast<std::size_t>(y) * static_cast<std::size_t>(image_.width) + static_cast<std::size_t>(x)) * 3;
        image_.rgb[at] = static_cast<std::uint8_t>(rgb >> 16);
        image_.rgb[at + 1] = static_cast<std::uint8_t>(rgb >> 8);
        image_.rgb[at + 2] = static_cast<std::uint8_t>(rgb);
    }

    // Pixels whose centres lie inside, clipped to `clip`.
    void Fill(double left, double top, double right, double bottom, std::uint32_t rgb, const PixelRect& clip) {
        const auto first = [](double edge) { return static_cast<std::int32_t>(std::ceil(edge - 0.5)); };
        for (std::int32_t y = std::max(first(top), clip.top); y < std::min(first(bottom), clip.bottom); ++y) {
            for (std::int32_t x = std::max(first(left), clip.left); x < std::min(first(right), clip.right); ++x) {
                Set(x, y, rgb);
            }
        }
    }

    // Only the part on the canvas is walked: a layout may place a box millions of pixels across.
    void Outline(const PixelRect& box, std::uint32_t rgb) {
        for (std::int32_t x = std::max(box.left, 0); x < std::min(box.right, image_.width); ++x) {
            Set(x, box.top, rgb);
            Set(x, box.bottom - 1, rgb);
        }
        for (std::int32_t y = std::max(box.top, 0); y < std::min(box.bottom, image_.height); ++y) {
            Set(box.left, y, rgb);
            Set(box.right - 1, y, rgb);
        }
    }

    // The controls' names in stb's small font, `size` preview pixels per font unit, clipped.
    void Text(const std::string& text, double x, double y, double size, std::uint32_t rgb, const PixelRect& clip) {
        std::string printable = text;
        std::replace_if(
            printable.begin(), printable.end(), [](char c) { return c < 32 || c > 126; }, '?');
        std::vector<char> vertices(printable.size() * 1024 + kQuadBytes);
        const int quads =
            stb_easy_font_print(0, 0, printable.data(), nullptr, vertices.data(), static_cast<int>(vertices.size()));
        for (int quad = 0; quad < quads; ++quad) {
            std::array<float, 16> v{};
            std::copy_n(vertices.data() + static_cast<std::ptrdiff_t>(quad) * kQuadBytes, kQuadBytes,
                        reinterpret_cast<char*>(v.data()));
            // Each vertex is x, y, z and four colour bytes: corners 0 and 2 span the quad.
            Fill(x + v[0] * size, y + v[1] * size, x + v[8] * size, y + v[9] * size, rgb, clip);
        }
    }

    PixelRect Bounds() const { return {0, 0, image_.width, image_.height}; }

private:
    Image& image_;
};

// Edges far off the canvas stay far off it, in a range where a pixel more or less cannot overflow.
PixelRect Scaled(const PixelRect& box, double scale) {
    const auto edge = [scale](std::int32_t value) {
        return static_cast<std::int32_t>(std::clamp<std::int64_t>(std::llround(value * scale), -kFarOff, kFarOff));
    };
    return {edge(box.left), edge(box.top), edge(box.right), edge(box.bottom)};
}

std::string SampleText(Form1Control control, const Readouts& readouts) {
    switch (control) {
        case Form1Control::lbl_RGB:
            return readouts.rgb;
        case Form1Control::lbl_HLS:
            return readouts.hls;
        case Form1Control::lbl_CMYK:
            return readouts.cmyk;
        case Form1Control::lbl_CMY:
            return readouts.cmy;
        case Form1Control::lbl_LONG:
            return readouts.longValue;
        case Form1Control::lbl_HEX:
            return readouts.hex;
        case Form1Control::lbl_YCBCR:
            return readouts.ycbcr;
        case Form1Control::Text1:
            return readouts.name;
        case Form1Control::lbl_STATE:
            return StateText(false);
        case Form1Control::lbl_PROFILE:
            // The sample colour is shown exactly: as on a display without a profile.
            return ProfileText(DisplayColours::Srgb, {}, false, false);
        default:
            // The contrast and APCA as they read after white was copied: white text on the sample colour.
            return PasteFormText(control, RgbOf(kSampleColour), Rgb{255, 255, 255});
    }
}

}  // namespace

PreviewSize PreviewSizeOf(const SkinPicture& picture, double scale) {
    return {std::max<std::int64_t>(1, std::llround(picture.width * scale)),
            std::max<std::int64_t>(1, std::llround(picture.height * scale))};
}

Image DrawSkin(const SkinPicture& picture, double scale) {
    const PreviewSize size = PreviewSizeOf(picture, scale);
    Image image;
    image.width = static_cast<std::int32_t>(size.width);
    image.height = static_cast<std::int32_t>(size.height);
    image.rgb.resize(static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height) * 3);
    Canvas canvas(image);
    const std::uint32_t key = picture.At(0, 0);
    for (std::int32_t y = 0; y < image.height; ++y) {
        const auto sourceY = std::min(picture.height - 1, static_cast<std::int32_t>(y / scale));
        for (std::int32_t x = 0; x < image.width; ++x) {
            const auto sourceX = std::min(picture.width - 1, static_cast<std::int32_t>(x / scale));
            const std::uint32_t pixel = picture.At(sourceX, sourceY);
            const bool light = (x / kCheckerSquare + y / kCheckerSquare) % 2 == 0;
            canvas.Set(x, y, pixel != key ? pixel : light ? kCheckerLight : kCheckerDark);
        }
    }
    return image;
}

Image DrawPreview(const SkinPicture& picture, const WindowLayout& layout, double scale) {
    Image image = DrawSkin(picture, scale);
    Canvas canvas(image);
    cClrModels model;
    const Readouts readouts = MakeReadouts(kSampleColour, model);
    const auto dpi = static_cast<std::int32_t>(std::lround(96 * scale));
    const double nameSize = std::max(1.0, scale / 2);

    for (const PlacedControl& control : layout.controls) {
        const PixelRect box = Scaled(control.box, scale);
        if (control.role == ControlRole::Swatch) {
            canvas.Fill(box.left, box.top, box.right, box.bottom, FromColourValue(kSampleColour), canvas.Bounds());
        } else if (control.role == ControlRole::NameBox) {
            canvas.Fill(box.left, box.top, box.right, box.bottom, kNameBoxBackground, canvas.Bounds());
        }
        if (!control.foreColor || !control.control) {
            continue;
        }
        const LabelFont font{FontOf(*control.control), dpi};
        const std::string text = SampleText(*control.control, readouts);
        const std::uint32_t colour = FromColourValue(*control.foreColor);
        if (control.role == ControlRole::NameBox) {
            const std::int32_t margin = EditMargin(font).value_or(0);
            DrawLabelText(image, PixelRect{box.left + margin, box.top, box.right - margin, box.bottom}, text, font,
                          colour);
        } else {
            DrawLabelText(image, box, text, font, colour,
                          IsOptional(*control.control) ? TextLayout::OneLine : TextLayout::WordBreak);
        }
    }
    const auto swatch = std::find_if(layout.controls.begin(), layout.controls.end(),
                                     [](const PlacedControl& c) { return c.role == ControlRole::Swatch; });
    for (const PlacedControl& control : layout.controls) {
        const PixelRect box = Scaled(control.box, scale);
        const bool overSwatch =
            control.role == ControlRole::ClickArea && swatch != layout.controls.end() && swatch->box == control.box;
        if (box.right <= box.left || box.bottom <= box.top || overSwatch) {
            continue;
        }
        canvas.Outline(box, kOutline);
        const double nameTop = box.top - 8 * nameSize;
        canvas.Text(control.name, box.left + 1, nameTop + 1, nameSize, kNameShadow, canvas.Bounds());
        canvas.Text(control.name, box.left, nameTop, nameSize, kOutline, canvas.Bounds());
    }
    return image;
}

}  // namespace pixlin::skintool
