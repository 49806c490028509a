#pragma once

// The system's colour management (mscms.dll), from a display's profile to sRGB. mscms is loaded on first use: only a
// display whose profile is not sRGB needs it, so a plain display never loads it.

#include <windows.h>

#include <icm.h>

#include <optional>
#include <string_view>
#include <vector>

#include "core/colour/rgb.h"
#include "win32/win_handles.h"

namespace pixlin {

// A profile from OpenColorProfileW.
struct ColourProfileTraits {
    using Handle = HPROFILE;
    static constexpr Handle kNone = nullptr;
    static void Close(Handle handle) noexcept { CloseColorProfile(handle); }
};

// A transform from CreateMultiProfileTransform.
struct ColourTransformTraits {
    using Handle = HTRANSFORM;
    static constexpr Handle kNone = nullptr;
    static void Close(Handle handle) noexcept { DeleteColorTransform(handle); }
};

using ColourProfile = UniqueHandle<ColourProfileTraits>;
using ColourTransform = UniqueHandle<ColourTransformTraits>;

// Display values to sRGB through the system: the display's profile, then the system's standard sRGB profile,
// relative colorimetric, in 16 bits a channel.
class SystemToSrgb {
public:
    // From the bytes of the display's profile, which the system reads from memory: it converts through exactly the
    // profile the caller checked, whatever happens to the file since. Nothing when the system cannot make the
    // transform.
    static std::optional<SystemToSrgb> FromProfile(std::string_view profileBytes);

    // The display value in sRGB, each channel rounded to the nearest 8-bit value; nothing when the system fails.
    std::optional<Rgb> ToSrgb(Rgb display) const noexcept;

private:
    SystemToSrgb() = default;

    // The profile's bytes outlive its handle: the system may read a memory profile for as long as it is open. The
    // transform goes before the profiles it was made from.
    std::vector<char> bytes_;
    ColourProfile display_;
    ColourProfile srgb_;
    ColourTransform transform_;
};

}  // namespace pixlin
