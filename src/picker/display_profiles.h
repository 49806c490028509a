#pragma once

// What the display under a pixel does to colours, read through the system once per monitor and profile, and the
// conversion of its pixels to the sRGB colours programs asked for.

#include <windows.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/base/point.h"
#include "core/profile/display_profile.h"
#include "core/texts/profile_texts.h"
#include "win32/colour_transform.h"

namespace pixlin {

// Whether Windows manages the colour of the monitor with this GDI device name itself.
using AdvancedColourQuery = std::function<bool(const std::wstring& device)>;

class DisplayProfiles {
public:
    explicit DisplayProfiles(AdvancedColourQuery advancedColour);

    // Makes the monitor showing `pixel` the current one. Nothing is asked of the system while the pixels stay on one
    // monitor; on another, its profile's path is asked again (and advanced colour, where the profile converts), and
    // its profile is read again only when either changed since it was read.
    void Follow(Point pixel);
    // Display settings or profiles changed: every monitor is asked again when next followed.
    void Forget() noexcept;

    DisplayColours Current() const noexcept;
    // The current profile's description, or its file name when it has none; showable as it is.
    const std::string& Name() const noexcept;

    // A pixel of the current display as the sRGB colour it stands for: itself where no profile converts.
    DisplayColour ToSrgb(Rgb display) const;

private:
    struct Monitor {
        std::wstring device;
        std::optional<std::wstring> profilePath;
        // Whether the profile converts, so that advanced colour was asked; and the answer.
        bool converts = false;
        bool advancedColour = false;
        DisplayColours colours = DisplayColours::Srgb;
        std::string name;
        std::optional<SystemToSrgb> system;
        // Matrix/TRC profiles only: what lies outside sRGB, and by how much.
        std::optional<DisplayTransform> matrix;
    };

    std::unique_ptr<Monitor> Read(std::wstring device, std::optional<std::wstring> profilePath) const;

    AdvancedColourQuery advancedColour_;
    std::vector<std::unique_ptr<Monitor>> monitors_;
    const Monitor* current_ = nullptr;
    RECT currentBounds_{};
    // A pointer at rest on one colour converts it once.
    mutable std::optional<std::pair<Rgb, DisplayColour>> lastConversion_;
};

}  // namespace pixlin
