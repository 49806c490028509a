#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <string>
#include <vector>

#include "skintool/label_text.h"

namespace pixlin::skintool {
namespace {

// Where the build found Liberation Sans: fontconfig's answer, or the place Debian's fonts-liberation puts it.
constexpr const char* kBoldFile = PIXLIN_FONT_BOLD;
constexpr const char* kRegularFile = PIXLIN_FONT_REGULAR;
constexpr char32_t kReplacement = 0xFFFD;

class Faces {
public:
    Faces() {
        if (FT_Init_FreeType(&library_) != 0) {
            library_ = nullptr;
            problem_ = "FreeType could not start";
            return;
        }
        Open(kBoldFile, bold_);
        Open(kRegularFile, regular_);
    }
    ~Faces() {
        for (const FT_Face face : {bold_, regular_}) {
            if (face != nullptr) {
                FT_Done_Face(face);
            }
        }
        if (library_ != nullptr) {
            FT_Done_FreeType(library_);
        }
    }
    Faces(const Faces&) = delete;
    Faces& operator=(const Faces&) = delete;

    // Sized for the font at the dpi; null when it could not be opened.
    FT_Face Sized(LabelFont font) const {
        const FT_Face face = font.font == ControlFont::ArialBold975 ? bold_ : regular_;
        const std::int32_t em = FontHeightPixels(ControlFontPoints(font.font), font.dpi);
        if (face == nullptr || FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(em)) != 0) {
            return nullptr;
        }
        return face;
    }

    const std::string& Problem() const { return problem_; }

private:
    void Open(const char* file, FT_Face& face) {
        if (library_ == nullptr || FT_New_Face(library_, file, 0, &face) != 0) {
            face = nullptr;
            if (problem_.empty()) {
                problem_ = std::string("the picker's Arial is drawn here in Liberation Sans, and ") + file +
                           " cannot be read: install it (Debian: fonts-liberation)";
            }
        }
    }

    FT_Library library_ = nullptr;
    FT_Face bold_ = nullptr;
    FT_Face regular_ = nullptr;
    std::string problem_;
};

const Faces& TheFaces() {
    static const Faces faces;
    return faces;
}

// The text's characters; a byte that starts no valid UTF-8 sequence counts as U+FFFD.
std::vector<char32_t> CodePoints(std::string_view utf8) {
    std::vector<char32_t> points;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead >> 5 == 6 ? 2 : lead >> 4 == 14 ? 3 : lead >> 3 == 30 ? 4 : 0;
        char32_t point = length == 1 ? lead : length == 2 ? lead & 0x1F : length == 3 ? lead & 0x0F : lead & 0x07;
        bool valid = length > 0 && i + length <= utf8.size();
        for (std::size_t k = 1; valid && k < length; ++k) {
            const auto next = static_cast<unsigned char>(utf8[i + k]);
            valid = next >> 6 == 2;
            point = point << 6 | (next & 0x3F);
        }
        points.push_back(valid ? point : kReplacement);
        i += valid ? length : 1;
    }
    return points;
}

// GDI puts the top of the text cell at the box's top and the baseline the font's Windows ascent below it.
std::int32_t Ascent(FT_Face face) {
    const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
    if (os2 == nullptr) {
        return static_cast<std::int32_t>((face->size->metrics.ascender + 32) >> 6);
    }
    return static_cast<std::int32_t>((FT_MulFix(os2->usWinAscent, face->size->metrics.y_scale) + 32) >> 6);
}

std::int64_t AdvanceOf(FT_Face face) {
    return (face->glyph->advance.x + 32) >> 6;
}

}  // namespace

std::string FontProblem() {
    return TheFaces().Problem();
}

std::string FontName(ControlFont font) {
    return font == ControlFont::ArialBold975 ? "Arial bold 9.75 pt (Liberation Sans Bold here)"
                                             : "Arial 9 pt (Liberation Sans here)";
}

bool DrawLabelText(Image& image,
                   const PixelRect& box,
                   std::string_view utf8,
                   LabelFont font,
                   std::uint32_t rgb,
                   [[maybe_unused]] TextLayout layout) {
    const FT_Face face = TheFaces().Sized(font);
    if (face == nullptr) {
        return false;
    }
    const std::int64_t left = std::max(box.left, 0);
    const std::int64_t top = std::max(box.top, 0);
    const std::int64_t right = std::min(box.right, image.width);
    const std::int64_t bottom = std::min(box.bottom, image.height);
    const std::int64_t baseline = std::int64_t{box.top} + Ascent(face);
    std::int64_t pen = box.left;
    for (const char32_t point : CodePoints(utf8)) {
        if (pen >= right) {
            break;
        }
        if (FT_Load_Glyph(face, FT_Get_Char_Index(face, point), FT_LOAD_RENDER | FT_LOAD_TARGET_NORMAL) != 0) {
            continue;
        }
        const FT_Bitmap& bitmap = face->glyph->bitmap;
        const std::int64_t glyphLeft = pen + face->glyph->bitmap_left;
        const std::int64_t glyphTop = baseline - face->glyph->bitmap_top;
        for (std::int64_t row = 0; row < bitmap.rows && bitmap.pixel_mode == FT_PIXEL_MODE_GRAY; ++row) {
            const std::int64_t y = glyphTop + row;
            if (y < top || y >= bottom) {
                continue;
            }
            for (std::int64_t column = 0; column < bitmap.width; ++column) {
                const std::int64_t x = glyphLeft + column;
                const std::uint32_t cover = bitmap.buffer[row * bitmap.pitch + column];
                if (x < left || x >= right || cover == 0) {
                    continue;
                }
                const std::size_t at = image.Offset(static_cast<std::int32_t>(x), static_cast<std::int32_t>(y));
                for (int channel = 0; channel < 3; ++channel) {
                    const std::uint32_t ink = rgb >> (16 - 8 * channel) & 0xFF;
                    const std::uint32_t under = image.rgb[at + static_cast<std::size_t>(channel)];
                    image.rgb[at + static_cast<std::size_t>(channel)] =
                        static_cast<std::uint8_t>((ink * cover + under * (255 - cover) + 127) / 255);
                }
            }
        }
        pen += AdvanceOf(face);
    }
    return true;
}

std::optional<std::int32_t> TextAdvance(std::string_view utf8, LabelFont font) {
    const FT_Face face = TheFaces().Sized(font);
    if (face == nullptr) {
        return std::nullopt;
    }
    std::int64_t width = 0;
    for (const char32_t point : CodePoints(utf8)) {
        if (FT_Load_Glyph(face, FT_Get_Char_Index(face, point), FT_LOAD_TARGET_NORMAL) == 0) {
            width += AdvanceOf(face);
        }
    }
    return static_cast<std::int32_t>(width);
}

}  // namespace pixlin::skintool
