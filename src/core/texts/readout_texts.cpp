#include "core/texts/readout_texts.h"

#include <charconv>
#include <cstring>
#include <initializer_list>
#include <stdexcept>
#include <system_error>

#include "core/colour/html.h"

namespace pixlin {
namespace {

// Room for four 32-bit numbers with signs and separators, the longest text a readout or the caption makes.
constexpr std::size_t kTextCapacity = 64;

// Texts are built in place, without the heap. Every append checks its room: a text that would not fit is an error,
// never a write past the buffer.
class TextBuilder {
public:
    TextBuilder& Append(std::string_view text) {
        if (text.size() > kTextCapacity - length_) {
            throw std::length_error("readout text too long");
        }
        std::memcpy(buffer_ + length_, text.data(), text.size());
        length_ += text.size();
        return *this;
    }

    TextBuilder& Append(int32_t number) {
        const auto result = std::to_chars(buffer_ + length_, buffer_ + kTextCapacity, number);
        if (result.ec != std::errc()) {
            throw std::length_error("readout text too long");
        }
        length_ = static_cast<std::size_t>(result.ptr - buffer_);
        return *this;
    }

    std::string Text() const { return std::string(buffer_, length_); }

private:
    char buffer_[kTextCapacity];
    std::size_t length_ = 0;
};

// Plain decimal numbers joined by a single comma, no blanks.
std::string Joined(std::initializer_list<int32_t> numbers) {
    TextBuilder text;
    bool first = true;
    for (const int32_t number : numbers) {
        if (!first) {
            text.Append(",");
        }
        text.Append(number);
        first = false;
    }
    return text.Text();
}

}  // namespace

std::string CaptionText(int32_t x, int32_t y) {
    return TextBuilder().Append("X:").Append(x).Append("   Y:").Append(y).Text();
}

bool PointerMoved(Point last, Point now) {
    return now.x != last.x || now.y != last.y;
}

Readouts MakeReadouts(int32_t colour, cClrModels& model) {
    Readouts texts;
    texts.longValue = Joined({colour});

    // Truncating division, as the screen's colour value has always been split.
    const int32_t red = colour & 255;
    const int32_t green = (colour / 256) & 255;
    const int32_t blue = (colour / 65536) & 255;
    texts.rgb = Joined({red, green, blue});

    texts.hex = RGB2HTML(colour);
    texts.name = Farbtext(texts.hex);

    model.rgbR(static_cast<uint8_t>(red));
    model.rgbG(static_cast<uint8_t>(green));
    model.rgbB(static_cast<uint8_t>(blue));

    texts.ycbcr = Joined({model.ycbcrY(), model.ycbcrCb(), model.ycbcrCr()});
    texts.cmyk = Joined({model.cmykC(), model.cmykM(), model.cmykY(), model.cmykK()});
    texts.cmy = Joined({model.cmyC(), model.cmyM(), model.cmyY()});
    texts.hls = Joined({model.hlsH(), model.hlsL(), model.hlsS()});
    return texts;
}

}  // namespace pixlin
