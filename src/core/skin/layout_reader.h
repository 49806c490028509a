#pragma once

#include <cstdint>
#include <string_view>
#include <variant>
#include <vector>

namespace pixlin {

// The keys of the skin layout file that place controls; which controls each one places is the window's business.
enum class LayoutKey { Rgb, Hls, Cmyk, Cmy, Long, Hex, Ycbcr, Preview, Text, Quit };

enum class PlacementProperty { Left, Top, Width, Height };

// The screen's twips per pixel, horizontally and vertically.
struct LayoutScale {
    float twipsPerPixelX = 15.0f;
    float twipsPerPixelY = 15.0f;
};

struct PlacementAssignment {
    LayoutKey key;
    PlacementProperty property;
    float twips;

    bool operator==(const PlacementAssignment&) const = default;
};

// `colour` is a colour value 0x00BBGGRR.
struct ForeColorAssignment {
    LayoutKey key;
    std::int32_t colour;

    bool operator==(const ForeColorAssignment&) const = default;
};

// The window's alpha, 0 (invisible) to 255 (opaque); the reader only ever asks for 0 to 100. Whether the system
// supports translucency is for the caller to decide.
struct TranslucencyAssignment {
    std::int16_t alpha;

    bool operator==(const TranslucencyAssignment&) const = default;
};

// The loupe's box, in twips like a control's place. A skin that places no box has no loupe.
struct LoupePlacementAssignment {
    PlacementProperty property;
    float twips;

    bool operator==(const LoupePlacementAssignment&) const = default;
};

inline constexpr std::int32_t kMinLoupeFactor = 2;
inline constexpr std::int32_t kMaxLoupeFactor = 32;
inline constexpr std::int32_t kDefaultLoupeFactor = 8;

// The loupe's magnification: each screen pixel shows as a square of factor x factor pixels. The value is rounded
// half to even like a colour; one outside kMinLoupeFactor..kMaxLoupeFactor, 0 included, gives kDefaultLoupeFactor.
struct LoupeFactorAssignment {
    std::int32_t factor;

    bool operator==(const LoupeFactorAssignment&) const = default;
};

using LayoutAssignment = std::variant<PlacementAssignment,
                                      ForeColorAssignment,
                                      TranslucencyAssignment,
                                      LoupePlacementAssignment,
                                      LoupeFactorAssignment>;

// Appends the assignments that one line of the skin layout file makes, in the order they are made. Assignments that
// cannot be made (overflow, negative size, a colour the controls do not take) are left out; the others stand.
void ReadLayoutLine(std::string_view line, LayoutScale scale, std::vector<LayoutAssignment>& assignments);

// The keys the reader knows, in the order of its table.
std::vector<std::string_view> LayoutKeys();

// All assignments of the whole file, in file order; a later one overrides an earlier one for the same key and property.
std::vector<LayoutAssignment> ReadLayoutFile(std::string_view bytes, LayoutScale scale);

}  // namespace pixlin
