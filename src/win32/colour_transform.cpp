#include "win32/colour_transform.h"

#include <string>

namespace pixlin {
namespace {

// LCS_sRGB, which the headers spell as the multi-character constant 'sRGB'.
constexpr DWORD kSrgbColourSpace = 0x73524742;

ColourProfile OpenStandardSrgb() {
    DWORD bytes = MAX_PATH * sizeof(wchar_t);
    std::wstring path(MAX_PATH, L'\0');
    if (!GetStandardColorSpaceProfileW(nullptr, kSrgbColourSpace, path.data(), &bytes)) {
        if (GetLastError() != ERROR_INSUFFICIENT_BUFFER || bytes > 32768 * sizeof(wchar_t)) {
            return {};
        }
        path.assign(bytes / sizeof(wchar_t) + 1, L'\0');
        if (!GetStandardColorSpaceProfileW(nullptr, kSrgbColourSpace, path.data(), &bytes)) {
            return {};
        }
    }
    path.resize(path.find(L'\0'));
    PROFILE profile{PROFILE_FILENAME, path.data(), static_cast<DWORD>((path.size() + 1) * sizeof(wchar_t))};
    return ColourProfile(OpenColorProfileW(&profile, PROFILE_READ, FILE_SHARE_READ, OPEN_EXISTING));
}

WORD Wide(std::uint8_t value) noexcept {
    return static_cast<WORD>(value * 257);
}

std::uint8_t Narrow(WORD value) noexcept {
    return static_cast<std::uint8_t>((value * 255u + 32767u) / 65535u);
}

}  // namespace

std::optional<SystemToSrgb> SystemToSrgb::FromProfile(std::string_view profileBytes) {
    SystemToSrgb system;
    system.bytes_.assign(profileBytes.begin(), profileBytes.end());
    PROFILE profile{PROFILE_MEMBUFFER, system.bytes_.data(), static_cast<DWORD>(system.bytes_.size())};
    system.display_ = ColourProfile(OpenColorProfileW(&profile, PROFILE_READ, FILE_SHARE_READ, OPEN_EXISTING));
    system.srgb_ = OpenStandardSrgb();
    if (!system.display_ || !system.srgb_) {
        return std::nullopt;
    }
    HPROFILE profiles[] = {system.display_.get(), system.srgb_.get()};
    DWORD intents[] = {INTENT_RELATIVE_COLORIMETRIC, INTENT_RELATIVE_COLORIMETRIC};
    system.transform_ =
        ColourTransform(CreateMultiProfileTransform(profiles, 2, intents, 2, BEST_MODE, INDEX_DONT_CARE));
    if (!system.transform_) {
        return std::nullopt;
    }
    return system;
}

std::optional<Rgb> SystemToSrgb::ToSrgb(Rgb display) const noexcept {
    COLOR in{};
    in.rgb.red = Wide(display.r);
    in.rgb.green = Wide(display.g);
    in.rgb.blue = Wide(display.b);
    COLOR out{};
    if (!TranslateColors(transform_.get(), &in, 1, COLOR_RGB, &out, COLOR_RGB)) {
        return std::nullopt;
    }
    return Rgb{Narrow(out.rgb.red), Narrow(out.rgb.green), Narrow(out.rgb.blue)};
}

}  // namespace pixlin
