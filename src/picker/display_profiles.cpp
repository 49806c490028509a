#include "picker/display_profiles.h"

#include <algorithm>
#include <iterator>

#include "core/profile/icc_profile.h"
#include "core/profile/profile_text.h"
#include "win32/monitor_profile.h"

namespace pixlin {
namespace {

// The file's own name, as the user finds it among the system's profiles.
std::string FileNameOf(const std::wstring& path) {
    const std::size_t slash = path.find_last_of(L"\\/");
    const std::wstring name = slash == std::wstring::npos ? path : path.substr(slash + 1);
    std::string bigEndian;
    for (const wchar_t unit : name) {
        bigEndian += static_cast<char>((unit >> 8) & 0xFF);
        bigEndian += static_cast<char>(unit & 0xFF);
    }
    return ShowableText(CodePointsOfUtf16Be(bigEndian));
}

DisplayColour Itself(Rgb display) {
    return DisplayColour{display, false, {}};
}

}  // namespace

DisplayProfiles::DisplayProfiles(AdvancedColourQuery advancedColour) : advancedColour_(std::move(advancedColour)) {}

void DisplayProfiles::Follow(Point pixel) {
    const POINT point{pixel.x, pixel.y};
    if (current_ != nullptr && PtInRect(&currentBounds_, point)) {
        return;
    }
    const std::optional<MonitorAtPixel> monitor = MonitorAt(point);
    if (!monitor) {
        return;
    }
    std::optional<std::wstring> path = DisplayProfilePath(monitor->device);
    auto known = std::find_if(monitors_.begin(), monitors_.end(),
                              [&monitor](const auto& seen) { return seen->device == monitor->device; });
    if (known == monitors_.end()) {
        monitors_.push_back(Read(monitor->device, std::move(path)));
        known = std::prev(monitors_.end());
    } else if ((*known)->profilePath != path ||
               ((*known)->converts && advancedColour_((*known)->device) != (*known)->advancedColour)) {
        *known = Read(monitor->device, std::move(path));
    }
    lastConversion_.reset();
    current_ = known->get();
    currentBounds_ = monitor->bounds;
}

void DisplayProfiles::Forget() noexcept {
    monitors_.clear();
    current_ = nullptr;
    lastConversion_.reset();
}

DisplayColours DisplayProfiles::Current() const noexcept {
    return current_ != nullptr ? current_->colours : DisplayColours::Srgb;
}

const std::string& DisplayProfiles::Name() const noexcept {
    static const std::string kNone;
    return current_ != nullptr ? current_->name : kNone;
}

// The system converts, so that the readouts agree with what colour-managed programs do; where the profile is a
// matrix/TRC one the core tells what lies outside sRGB, which the system clips without a word.
DisplayColour DisplayProfiles::ToSrgb(Rgb display) const {
    if (Current() != DisplayColours::Profiled) {
        return Itself(display);
    }
    if (lastConversion_ && lastConversion_->first == display) {
        return lastConversion_->second;
    }
    DisplayColour converted = current_->matrix ? current_->matrix->ToSrgb(display) : Itself(display);
    if (const std::optional<Rgb> system = current_->system->ToSrgb(display)) {
        converted.srgb = *system;
    }
    lastConversion_.emplace(display, converted);
    return converted;
}

std::unique_ptr<DisplayProfiles::Monitor> DisplayProfiles::Read(std::wstring device,
                                                                std::optional<std::wstring> profilePath) const {
    auto monitor = std::make_unique<Monitor>();
    monitor->device = std::move(device);
    monitor->profilePath = std::move(profilePath);
    // Without a profile Windows takes a display for sRGB.
    if (!monitor->profilePath) {
        return monitor;
    }
    monitor->colours = DisplayColours::Unusable;
    const std::optional<std::string> bytes = ReadProfileFile(*monitor->profilePath, kMaxIccBytes);
    if (!bytes) {
        return monitor;
    }
    const IccReadResult read = ReadIccProfile(*bytes);
    if (!read.profile) {
        return monitor;
    }
    const ProfileKind kind = ClassifyProfile(*read.profile);
    if (kind == ProfileKind::Srgb) {
        monitor->colours = DisplayColours::Srgb;
        return monitor;
    }
    // Advanced colour matters only where the profile would convert: elsewhere the readouts show the display's values
    // either way. The question is not free (under Wine it loads the system's device setup library, 0.4 MB).
    monitor->converts = true;
    monitor->advancedColour = advancedColour_(monitor->device);
    if (monitor->advancedColour) {
        monitor->colours = DisplayColours::AdvancedColour;
        return monitor;
    }
    monitor->system = SystemToSrgb::FromProfile(*bytes);
    if (!monitor->system) {
        return monitor;
    }
    if (kind == ProfileKind::MatrixTrc) {
        monitor->matrix.emplace(*read.profile->matrixTrc);
    }
    monitor->colours = DisplayColours::Profiled;
    monitor->name = read.profile->description.empty() ? FileNameOf(*monitor->profilePath) : read.profile->description;
    return monitor;
}

}  // namespace pixlin
