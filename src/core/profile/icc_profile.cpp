#include "core/profile/icc_profile.h"

#include <algorithm>
#include <cmath>

#include "core/base/big_endian.h"
#include "core/profile/profile_text.h"

namespace pixlin {
namespace {

constexpr std::size_t kHeaderBytes = 128;
constexpr std::size_t kTagEntryBytes = 12;
// Profiles in use have 10 to 40 tags.
constexpr uint32_t kMaxTags = 256;
// Curves in use have up to 4096 entries; even 16-bit precision needs no more than 65536.
constexpr uint32_t kMaxCurveEntries = 65536;

constexpr uint32_t Signature(const char (&text)[5]) {
    return static_cast<uint32_t>(text[0]) << 24 | static_cast<uint32_t>(text[1]) << 16 |
           static_cast<uint32_t>(text[2]) << 8 | static_cast<uint32_t>(text[3]);
}

double S15Fixed16(std::string_view bytes, std::size_t at) {
    return static_cast<int32_t>(ReadBig32(bytes, at)) / 65536.0;
}

// Power for the parametric functions: the ICC's conditions (X >= -b/a) amount to a positive base wherever a > 0,
// as in every real profile.
double Power(double base, double exponent) {
    return base > 0 ? std::pow(base, exponent) : 0.0;
}

// The tags as views into the profile; the table's checks put every view within it.
class TagTable {
public:
    bool Read(std::string_view profile) {
        const uint32_t count = ReadBig32(profile, kHeaderBytes);
        if (count > kMaxTags || kHeaderBytes + 4 + count * kTagEntryBytes > profile.size()) {
            return false;
        }
        for (uint32_t i = 0; i < count; ++i) {
            const std::size_t entry = kHeaderBytes + 4 + i * kTagEntryBytes;
            const uint32_t offset = ReadBig32(profile, entry + 4);
            const uint32_t size = ReadBig32(profile, entry + 8);
            if (offset > profile.size() || size > profile.size() - offset) {
                return false;
            }
            tags_.push_back({ReadBig32(profile, entry), profile.substr(offset, size)});
        }
        return true;
    }

    // The first tag of that signature; nothing when there is none.
    std::optional<std::string_view> Find(uint32_t signature) const {
        for (const Tag& tag : tags_) {
            if (tag.signature == signature) {
                return tag.data;
            }
        }
        return std::nullopt;
    }

private:
    struct Tag {
        uint32_t signature;
        std::string_view data;
    };
    std::vector<Tag> tags_;
};

// A tag's data begins with its type's signature and four reserved bytes.
bool HasType(std::string_view data, uint32_t type, std::size_t minimumBytes) {
    return data.size() >= std::max<std::size_t>(8, minimumBytes) && ReadBig32(data, 0) == type;
}

std::optional<Xyz> ReadXyz(std::string_view data) {
    if (!HasType(data, Signature("XYZ "), 20)) {
        return std::nullopt;
    }
    return Xyz{S15Fixed16(data, 8), S15Fixed16(data, 12), S15Fixed16(data, 16)};
}

std::optional<std::array<double, 9>> ReadAdaptation(std::string_view data) {
    if (!HasType(data, Signature("sf32"), 8 + 9 * 4)) {
        return std::nullopt;
    }
    std::array<double, 9> matrix{};
    for (std::size_t i = 0; i < matrix.size(); ++i) {
        matrix[i] = S15Fixed16(data, 8 + 4 * i);
    }
    return matrix;
}

std::optional<ToneCurve> ReadCurve(std::string_view data) {
    ToneCurve curve;
    if (HasType(data, Signature("curv"), 12)) {
        const uint32_t count = ReadBig32(data, 8);
        if (count > kMaxCurveEntries || 12 + std::size_t{count} * 2 > data.size()) {
            return std::nullopt;
        }
        if (count == 1) {
            curve.params[0] = ReadBig16(data, 12) / 256.0;
        } else if (count > 1) {
            curve.table.resize(count);
            for (uint32_t i = 0; i < count; ++i) {
                curve.table[i] = static_cast<uint16_t>(ReadBig16(data, 12 + 2 * std::size_t{i}));
            }
        }
        return curve;
    }
    if (HasType(data, Signature("para"), 12)) {
        constexpr std::array<std::size_t, 5> kParamCount{1, 3, 4, 5, 7};
        const uint32_t function = ReadBig16(data, 8);
        if (function >= kParamCount.size() || 12 + 4 * kParamCount[function] > data.size()) {
            return std::nullopt;
        }
        curve.function = static_cast<int>(function);
        for (std::size_t i = 0; i < kParamCount[function]; ++i) {
            curve.params[i] = S15Fixed16(data, 12 + 4 * i);
        }
        return curve;
    }
    return std::nullopt;
}

// A v2 description's ASCII part, or a v4 multi-language one's English (else first) record. Another type gives no
// text; a count that reaches past the tag refuses the profile.
std::optional<std::string> ReadDescription(std::string_view data) {
    if (HasType(data, Signature("desc"), 12)) {
        const uint32_t count = ReadBig32(data, 8);
        if (count > data.size() - 12) {
            return std::nullopt;
        }
        const std::string_view ascii = data.substr(12, count);
        return ShowableText(CodePointsOfLatin1(ascii.substr(0, ascii.find('\0'))));
    }
    if (HasType(data, Signature("mluc"), 16)) {
        const uint32_t records = ReadBig32(data, 8);
        const uint32_t recordBytes = ReadBig32(data, 12);
        if (records == 0) {
            return std::string();
        }
        if (recordBytes < 12 || recordBytes > data.size() || records > (data.size() - 16) / recordBytes) {
            return std::nullopt;
        }
        std::size_t chosen = 16;
        for (uint32_t i = records; i-- > 0;) {
            const std::size_t record = 16 + std::size_t{i} * recordBytes;
            if (data[record] == 'e' && data[record + 1] == 'n') {
                chosen = record;
            }
        }
        const uint32_t length = ReadBig32(data, chosen + 4);
        const uint32_t offset = ReadBig32(data, chosen + 8);
        if (offset > data.size() || length > data.size() - offset) {
            return std::nullopt;
        }
        return ShowableText(CodePointsOfUtf16Be(data.substr(offset, length)));
    }
    return std::string();
}

// The matrix/TRC model, when all its tags are there and its colorants independent; `malformed` is set when one of
// its tags is there but damaged.
std::optional<MatrixTrc> ReadMatrixTrc(const TagTable& tags, bool& malformed) {
    const std::array<std::optional<std::string_view>, 6> data{
        tags.Find(Signature("rXYZ")), tags.Find(Signature("gXYZ")), tags.Find(Signature("bXYZ")),
        tags.Find(Signature("rTRC")), tags.Find(Signature("gTRC")), tags.Find(Signature("bTRC"))};
    MatrixTrc model;
    bool complete = true;
    for (std::size_t channel = 0; channel < 3; ++channel) {
        if (data[channel]) {
            const std::optional<Xyz> colorant = ReadXyz(*data[channel]);
            malformed = malformed || !colorant;
            model.colorants[channel] = colorant.value_or(Xyz{});
        }
        if (data[3 + channel]) {
            std::optional<ToneCurve> curve = ReadCurve(*data[3 + channel]);
            malformed = malformed || !curve;
            model.curves[channel] = std::move(curve).value_or(ToneCurve{});
        }
        complete = complete && data[channel] && data[3 + channel];
    }
    if (!complete || malformed) {
        return std::nullopt;
    }
    const auto& [r, g, b] = model.colorants;
    const double determinant =
        r.x * (g.y * b.z - b.y * g.z) - g.x * (r.y * b.z - b.y * r.z) + b.x * (r.y * g.z - g.y * r.z);
    // Real colorants give about 0.2; below this the matrix cannot be inverted to any use.
    if (!(std::abs(determinant) > 1e-6)) {
        return std::nullopt;
    }
    return model;
}

}  // namespace

double EvaluateCurve(const ToneCurve& curve, double x) noexcept {
    x = x > 0 ? std::min(x, 1.0) : 0.0;
    double y = 0;
    if (!curve.table.empty()) {
        const double position = x * static_cast<double>(curve.table.size() - 1);
        const auto below = static_cast<std::size_t>(position);
        const std::size_t above = std::min(below + 1, curve.table.size() - 1);
        const double fraction = position - static_cast<double>(below);
        y = (curve.table[below] + fraction * (curve.table[above] - curve.table[below])) / 65535.0;
    } else {
        const auto& [g, a, b, c, d, e, f] = curve.params;
        switch (curve.function) {
            case 0:
                y = Power(x, g);
                break;
            case 1:
                y = Power(a * x + b, g);
                break;
            case 2:
                y = Power(a * x + b, g) + c;
                break;
            case 3:
                y = x >= d ? Power(a * x + b, g) : c * x;
                break;
            default:
                y = x >= d ? Power(a * x + b, g) + e : c * x + f;
                break;
        }
    }
    return y > 0 ? std::min(y, 1.0) : 0.0;
}

const char* IccErrorText(IccError error) noexcept {
    switch (error) {
        case IccError::TooShort:
            return "too short for a colour profile";
        case IccError::TooLarge:
            return "larger than a colour profile can be";
        case IccError::Truncated:
            return "the profile is cut short";
        case IccError::NotIcc:
            return "not an ICC profile";
        case IccError::UnsupportedVersion:
            return "an ICC version other than 2 and 4";
        case IccError::NotRgb:
            return "not an RGB profile";
        case IccError::UnsupportedClass:
            return "not a device profile";
        case IccError::UnsupportedPcs:
            return "a connection space other than XYZ and Lab";
        case IccError::BadTagTable:
            return "a damaged tag table";
        case IccError::BadTag:
            return "a damaged tag";
        case IccError::NoConversion:
            return "neither colorants and curves nor a lookup table";
    }
    return "unknown error";
}

IccReadResult ReadIccProfile(std::string_view bytes) {
    const auto refuse = [](IccError error) { return IccReadResult{std::nullopt, error}; };
    if (bytes.size() < kHeaderBytes + 4) {
        return refuse(IccError::TooShort);
    }
    if (ReadBig32(bytes, 36) != Signature("acsp")) {
        return refuse(IccError::NotIcc);
    }
    const uint32_t declared = ReadBig32(bytes, 0);
    if (declared > kMaxIccBytes) {
        return refuse(IccError::TooLarge);
    }
    if (declared > bytes.size()) {
        return refuse(IccError::Truncated);
    }
    if (declared < kHeaderBytes + 4) {
        return refuse(IccError::TooShort);
    }
    const std::string_view profile = bytes.substr(0, declared);

    IccProfile result;
    result.version = ReadBig32(profile, 8);
    result.deviceClass = ReadBig32(profile, 12);
    const uint32_t major = result.version >> 24;
    if (major != 2 && major != 4) {
        return refuse(IccError::UnsupportedVersion);
    }
    if (ReadBig32(profile, 16) != Signature("RGB ")) {
        return refuse(IccError::NotRgb);
    }
    const uint32_t device = result.deviceClass;
    if (device != Signature("mntr") && device != Signature("scnr") && device != Signature("spac") &&
        device != Signature("prtr")) {
        return refuse(IccError::UnsupportedClass);
    }
    const uint32_t pcs = ReadBig32(profile, 20);
    if (pcs != Signature("XYZ ") && pcs != Signature("Lab ")) {
        return refuse(IccError::UnsupportedPcs);
    }
    result.pcsIsLab = pcs == Signature("Lab ");

    TagTable tags;
    if (!tags.Read(profile)) {
        return refuse(IccError::BadTagTable);
    }
    if (const auto white = tags.Find(Signature("wtpt"))) {
        result.whitePoint = ReadXyz(*white);
        if (!result.whitePoint) {
            return refuse(IccError::BadTag);
        }
    }
    if (const auto chad = tags.Find(Signature("chad"))) {
        result.adaptation = ReadAdaptation(*chad);
        if (!result.adaptation) {
            return refuse(IccError::BadTag);
        }
    }
    if (const auto description = tags.Find(Signature("desc"))) {
        std::optional<std::string> text = ReadDescription(*description);
        if (!text) {
            return refuse(IccError::BadTag);
        }
        result.description = std::move(*text);
    }
    bool malformed = false;
    std::optional<MatrixTrc> model = ReadMatrixTrc(tags, malformed);
    if (malformed) {
        return refuse(IccError::BadTag);
    }
    if (!result.pcsIsLab) {
        result.matrixTrc = std::move(model);
    }
    result.hasLut = tags.Find(Signature("A2B0")) || tags.Find(Signature("B2A0"));
    if (!result.matrixTrc && !result.hasLut) {
        return refuse(IccError::NoConversion);
    }
    return {std::move(result), IccError::NotIcc};
}

}  // namespace pixlin
