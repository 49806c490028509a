#pragma once

// ICC profiles of RGB devices, versions 2 and 4, read without the system. The picker reads the display's profile to
// decide whether the system's colour management is needed at all, and evaluates matrix/TRC profiles itself. The
// bytes come from whatever file the display was set up with, so every offset, size and count is checked, and a file
// that breaks any rule is refused as a whole.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pixlin {

struct Xyz {
    double x = 0;
    double y = 0;
    double z = 0;
};

// One channel's tone curve, device value 0..1 to linear light: a table of samples spread evenly over 0..1 when
// `table` is not empty, else the ICC's parametric function `function` (0 to 4) with `params` g, a, b, c, d, e, f as
// far as it has them. A 'curv' of one entry is function 0 with its gamma, one of none function 0 with gamma 1.
struct ToneCurve {
    std::vector<uint16_t> table;
    int function = 0;
    std::array<double, 7> params{1, 0, 0, 0, 0, 0, 0};
};

// The curve at x (clamped to 0..1, NaN taken as 0), itself clamped to 0..1: a hostile curve (NaN, infinities) gives
// some value in range, so whatever uses it stays defined.
double EvaluateCurve(const ToneCurve& curve, double x) noexcept;

// Colorants: PCS XYZ (D50) of full red, green and blue; curves for red, green and blue.
struct MatrixTrc {
    std::array<Xyz, 3> colorants;
    std::array<ToneCurve, 3> curves;
};

struct IccProfile {
    // The header's bytes 8 to 11: 0x02100000 is 2.1, 0x04300000 is 4.3.
    uint32_t version = 0;
    // 'mntr', 'scnr', 'spac' or 'prtr' as a big-endian number.
    uint32_t deviceClass = 0;
    bool pcsIsLab = false;
    // wtpt (the media white) and chad (how the device's white was adapted to D50, row by row): neither takes part
    // in relative colorimetric conversion, where the colorants already are D50.
    std::optional<Xyz> whitePoint;
    std::optional<std::array<double, 9>> adaptation;
    // The six tags of the matrix/TRC model, when all are there, the PCS is XYZ and the colorants are independent.
    std::optional<MatrixTrc> matrixTrc;
    // A2B0 or B2A0: a lookup table that only a full colour management module evaluates.
    bool hasLut = false;
    // The description ('desc' or 'mluc', English or else the first language) as ShowableText makes it; empty when
    // the profile has none.
    std::string description;
};

enum class IccError {
    TooShort,
    TooLarge,
    Truncated,
    NotIcc,
    UnsupportedVersion,
    NotRgb,
    UnsupportedClass,
    UnsupportedPcs,
    BadTagTable,
    BadTag,
    NoConversion,
};

// A short English phrase for a message: "not an ICC profile".
const char* IccErrorText(IccError error) noexcept;

// Display profiles are a few kilobytes. The large ones carry lookup tables: 33 points a side of 16-bit RGB is 216 KB,
// and six such tables (three intents, both directions) are 1.3 MB. 4 MiB takes those with room to spare and bounds
// what a hostile file can make the picker read and keep.
inline constexpr std::size_t kMaxIccBytes = 4u << 20;

struct IccReadResult {
    std::optional<IccProfile> profile;
    // Why there is no profile; meaningless when there is one.
    IccError error = IccError::NotIcc;
};

// The profile in `bytes` (bytes past the header's size are ignored), or why it is refused. Refused: anything
// malformed or beyond the limits, a version other than 2 and 4, a colour space other than RGB, a PCS other than XYZ
// and Lab, device links, abstract and named colour profiles, and a profile with neither a complete matrix/TRC nor a
// lookup table.
IccReadResult ReadIccProfile(std::string_view bytes);

}  // namespace pixlin
