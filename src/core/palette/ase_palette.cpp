#include "core/palette/ase_palette.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <optional>

#include "core/base/big_endian.h"
#include "core/palette/utf8_text.h"

namespace pixlin {
namespace {

constexpr std::string_view kSignature = "ASEF";
constexpr std::uint32_t kGroupStart = 0xC001;
constexpr std::uint32_t kGroupEnd = 0xC002;
constexpr std::uint32_t kColourEntry = 0x0001;
constexpr std::uint32_t kGlobalColour = 0;
constexpr std::size_t kHeaderBytes = 12;
constexpr std::size_t kBlockHeaderBytes = 6;
constexpr std::size_t kMaxNameUnits = 0xFFFF - 1;  // the count includes the closing NUL

bool IsHighSurrogate(std::uint32_t unit) noexcept {
    return unit >= 0xD800 && unit <= 0xDBFF;
}

bool IsLowSurrogate(std::uint32_t unit) noexcept {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

// The name as UTF-16 units with its closing NUL, cut after at most kMaxNameUnits units but never inside a pair.
std::u16string NameUnits(std::string_view name) {
    std::u16string units;
    for (std::size_t at = 0; at < name.size();) {
        const char32_t code = NextCodePoint(name, at);
        const std::size_t needed = code > 0xFFFF ? 2 : 1;
        if (units.size() + needed > kMaxNameUnits) {
            break;
        }
        if (code > 0xFFFF) {
            units += static_cast<char16_t>(0xD800 + ((code - 0x10000) >> 10));
            units += static_cast<char16_t>(0xDC00 + ((code - 0x10000) & 0x3FF));
        } else {
            units += static_cast<char16_t>(code);
        }
    }
    units += u'\0';
    return units;
}

void AppendName(std::string& bytes, std::string_view name) {
    const std::u16string units = NameUnits(name);
    AppendBig16(bytes, static_cast<std::uint32_t>(units.size()));
    for (const char16_t unit : units) {
        AppendBig16(bytes, unit);
    }
}

void AppendBlock(std::string& bytes, std::uint32_t type, const std::string& body) {
    AppendBig16(bytes, type);
    AppendBig32(bytes, static_cast<std::uint32_t>(body.size()));
    bytes += body;
}

// The UTF-16BE units of a name, up to the first NUL, as UTF-8.
std::string NameText(std::string_view units) {
    std::string text;
    for (std::size_t at = 0; at + 1 < units.size(); at += 2) {
        const std::uint32_t unit = ReadBig16(units, at);
        if (unit == 0) {
            break;
        }
        if (IsHighSurrogate(unit) && at + 3 < units.size() && IsLowSurrogate(ReadBig16(units, at + 2))) {
            AppendUtf8(text, 0x10000 + ((unit - 0xD800) << 10) + (ReadBig16(units, at + 2) - 0xDC00));
            at += 2;
        } else {
            AppendUtf8(text, IsHighSurrogate(unit) || IsLowSurrogate(unit) ? kReplacementCharacter : unit);
        }
    }
    return text;
}

std::size_t ComponentCount(std::string_view model) noexcept {
    if (model == "RGB " || model == "LAB ") {
        return 3;
    }
    if (model == "CMYK") {
        return 4;
    }
    return model == "Gray" ? 1 : 0;
}

// A component 0..1 as a channel, or nothing for NaN.
std::optional<std::uint8_t> Channel(std::uint32_t bits) noexcept {
    const float value = std::bit_cast<float>(bits);
    if (std::isnan(value)) {
        return std::nullopt;
    }
    const double clamped = value < 0.0f ? 0.0 : value > 1.0f ? 1.0 : static_cast<double>(value);
    return static_cast<std::uint8_t>(std::lround(clamped * 255.0));
}

std::string BlockError(std::size_t number, const std::string& what) {
    return "Block " + std::to_string(number) + " of the ASE file " + what;
}

// A name (its unit count, then the units) at the front of a block's body; nothing if it runs past the body.
std::optional<std::string_view> NameUnitsIn(std::string_view body) {
    if (body.size() < 2) {
        return std::nullopt;
    }
    const std::size_t bytes = 2 * std::size_t{ReadBig16(body, 0)};
    if (body.size() - 2 < bytes) {
        return std::nullopt;
    }
    return body.substr(2, bytes);
}

}  // namespace

std::string WriteAse(const Palette& palette) {
    const bool grouped = !palette.name.empty();
    std::string blocks;
    if (grouped) {
        std::string body;
        AppendName(body, palette.name);
        AppendBlock(blocks, kGroupStart, body);
    }
    for (const PaletteEntry& entry : palette.entries) {
        std::string body;
        AppendName(body, entry.name);
        body += "RGB ";
        for (const std::uint8_t channel : {entry.colour.r, entry.colour.g, entry.colour.b}) {
            AppendBig32(body, std::bit_cast<std::uint32_t>(static_cast<float>(channel) / 255.0f));
        }
        AppendBig16(body, kGlobalColour);
        AppendBlock(blocks, kColourEntry, body);
    }
    if (grouped) {
        AppendBlock(blocks, kGroupEnd, {});
    }
    std::string bytes(kSignature);
    AppendBig16(bytes, 1);
    AppendBig16(bytes, 0);
    AppendBig32(bytes, static_cast<std::uint32_t>(palette.entries.size() + (grouped ? 2 : 0)));
    return bytes + blocks;
}

PaletteRead ReadAse(std::string_view bytes) {
    if (bytes.size() > kMaxPaletteBytes) {
        return PaletteError("The palette file is larger than 1 MB, far too large for a palette.");
    }
    if (bytes.size() < kHeaderBytes || !bytes.starts_with(kSignature)) {
        return PaletteError("This is no Adobe swatch exchange file: it does not start with \"ASEF\" and its header.");
    }
    if (ReadBig16(bytes, 4) != 1) {
        return PaletteError("The ASE file has version " + std::to_string(ReadBig16(bytes, 4)) +
                            "; Pixlin reads version 1.");
    }
    const std::uint32_t blockCount = ReadBig32(bytes, 8);
    PaletteRead read;
    bool named = false;
    std::size_t at = kHeaderBytes;
    for (std::size_t number = 1; number <= blockCount; ++number) {
        if (bytes.size() - at < kBlockHeaderBytes) {
            return PaletteError("The ASE file ends before block " + std::to_string(number) + " of " +
                                std::to_string(blockCount) + ".");
        }
        const std::uint32_t type = ReadBig16(bytes, at);
        const std::size_t length = ReadBig32(bytes, at + 2);
        at += kBlockHeaderBytes;
        if (bytes.size() - at < length) {
            return PaletteError(BlockError(number, "runs past the end of the file."));
        }
        const std::string_view body = bytes.substr(at, length);
        at += length;
        if (type != kColourEntry && type != kGroupStart) {
            continue;
        }
        const std::optional<std::string_view> units = NameUnitsIn(body);
        if (!units) {
            return PaletteError(BlockError(number, "has a name longer than the block."));
        }
        if (type == kGroupStart) {
            if (!named) {
                read.palette.name = NameText(*units);
                named = true;
            }
            continue;
        }
        const std::string_view rest = body.substr(2 + units->size());
        if (rest.size() < 4) {
            return PaletteError(BlockError(number, "ends before its colour model."));
        }
        const std::string_view model = rest.substr(0, 4);
        const std::size_t components = ComponentCount(model);
        if (rest.size() - 4 < 4 * components + 2) {
            return PaletteError(BlockError(number, "ends inside its colour."));
        }
        if (model != "RGB ") {
            ++read.skipped;
            continue;
        }
        const std::optional<std::uint8_t> r = Channel(ReadBig32(rest, 4));
        const std::optional<std::uint8_t> g = Channel(ReadBig32(rest, 8));
        const std::optional<std::uint8_t> b = Channel(ReadBig32(rest, 12));
        if (!r || !g || !b) {
            return PaletteError(BlockError(number, "has a colour component that is no number."));
        }
        if (read.palette.entries.size() == kMaxPaletteEntries) {
            return PaletteError("The ASE file holds more than " + std::to_string(kMaxPaletteEntries) +
                                " colours, more than Pixlin takes.");
        }
        read.palette.entries.push_back({Rgb{*r, *g, *b}, NameText(*units)});
    }
    return read;
}

}  // namespace pixlin
