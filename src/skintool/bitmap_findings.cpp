#include "skintool/bitmap_findings.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "core/layout/skin_limits.h"
#include "core/picture/region_runs.h"
#include "skintool/layout_text.h"

namespace pixlin::skintool {
namespace {

const std::string kFallback = ": the picker will show its built-in skin with your layout on top";

Finding BitmapFinding(Severity severity, std::string kind, std::string message, std::string fix) {
    return Finding{severity, std::string(kPictureFile), 0, std::move(kind), std::move(message), std::move(fix)};
}

bool NearKey(std::uint32_t pixel, std::uint32_t key) {
    for (int shift = 0; shift <= 16; shift += 8) {
        const int a = static_cast<int>(pixel >> shift & 0xFF);
        const int b = static_cast<int>(key >> shift & 0xFF);
        if (std::abs(a - b) > kNearKeyDistance) {
            return false;
        }
    }
    return pixel != key;
}

std::string ColourText(std::uint32_t rgb) {
    char text[8];
    std::snprintf(text, sizeof text, "#%06X", rgb & 0xFFFFFFu);
    return text;
}

// The decoder's reason, in brackets.
std::string Detail(const SkinPicture& picture) {
    return picture.detail.empty() ? std::string() : " (" + picture.detail + ")";
}

std::string SizeText(std::int32_t width, std::int32_t height) {
    return std::to_string(width) + " x " + std::to_string(height);
}

}  // namespace

NearKeyCount CountNearKey(const SkinPicture& picture) {
    NearKeyCount count;
    const std::uint32_t key = picture.At(0, 0);
    const auto isKey = [&picture, key](std::int32_t x, std::int32_t y) {
        return x >= 0 && y >= 0 && x < picture.width && y < picture.height && picture.At(x, y) == key;
    };
    for (std::int32_t y = 0; y < picture.height; ++y) {
        for (std::int32_t x = 0; x < picture.width; ++x) {
            if (!NearKey(picture.At(x, y), key)) {
                continue;
            }
            ++count.total;
            if (isKey(x - 1, y) || isKey(x + 1, y) || isKey(x, y - 1) || isKey(x, y + 1)) {
                ++count.onOutline;
            }
        }
    }
    return count;
}

Findings BitmapFindings(const SkinPicture& picture) {
    const std::string format(FormatName(picture.format));
    switch (picture.outcome) {
        case PictureOutcome::Unreadable:
            return {BitmapFinding(Severity::Error, "picture-unreadable",
                                  (picture.format == PictureFormat::Other
                                       ? std::string("not a BMP, PNG, JPEG or GIF, nor another format Windows reads")
                                       : "the " + format + " cannot be read" + Detail(picture)) +
                                      kFallback,
                                  "save the bitmap as BMP or PNG")};
        case PictureOutcome::TooLarge:
            return {BitmapFinding(
                Severity::Error, "picture-too-large",
                format + (picture.width > 0 ? " of " + SizeText(picture.width, picture.height) : std::string()) +
                    " is over the picker's limit of " + std::to_string(kMaxPictureSide) + " pixels a side or " +
                    std::to_string(kMaxPictureBytes >> 20) + " MB of pixels" + kFallback,
                "make the bitmap smaller")};
        case PictureOutcome::NotChecked:
            return {BitmapFinding(Severity::Warning, "picture-unchecked",
                                  "the picker hands the " + format + Detail(picture) +
                                      " to Windows, which may read it, but this checker cannot: shape, places and "
                                      "contrast were not checked",
                                  "save the bitmap as BMP or PNG")};
        case PictureOutcome::Decoded:
            break;
    }

    Findings findings;
    const std::uint32_t key = picture.At(0, 0);
    const auto cutOut = static_cast<std::uint64_t>(std::count(picture.pixels.begin(), picture.pixels.end(), key));
    const double share = 100.0 * static_cast<double>(cutOut) / static_cast<double>(picture.pixels.size());
    findings.push_back(BitmapFinding(Severity::Info, "picture",
                                     format + ", " + SizeText(picture.width, picture.height) + " pixels; key colour " +
                                         ColourText(key) + " (the top-left pixel): " + NumberText(std::round(share)) +
                                         " % of the pixels are cut out",
                                     ""));
    for (const PictureDoubt& doubt : picture.doubts) {
        findings.push_back(
            BitmapFinding(doubt.severity, "picture-unsure", doubt.text,
                          doubt.severity == Severity::Info ? "" : "save the bitmap as a 24-bit BMP or PNG"));
    }
    if (cutOut == picture.pixels.size()) {
        findings.push_back(BitmapFinding(
            Severity::Error, "invisible-window",
            "every pixel has the key colour" + std::string(picture.pixels.size() == 1 ? " (a 1 x 1 bitmap)" : "") +
                ": the window has nothing to show or click",
            "draw the window in colours other than the top-left pixel's, on a bitmap of its full size"));
        return findings;
    }

    const auto runs =
        static_cast<std::int64_t>(ScanRuns(picture.width, picture.height, [&picture](std::int32_t x, std::int32_t y) {
                                      return static_cast<std::int32_t>(picture.At(x, y));
                                  }).size());
    if (runs > kMaxShapeRuns) {
        findings.push_back(BitmapFinding(Severity::Warning, "too-many-runs",
                                         std::to_string(runs) + " runs; above " + std::to_string(kMaxShapeRuns) +
                                             " the picker fills each row's holes",
                                         "fewer holes and notches in the outline, or no scattered key-colour pixels"));
    } else {
        findings.push_back(BitmapFinding(Severity::Info, "runs",
                                         std::to_string(runs) +
                                             " runs (rows of opaque pixels) make the outline; the "
                                             "picker's limit is " +
                                             std::to_string(kMaxShapeRuns),
                                         ""));
    }

    if (picture.width > kCommonScreenWidth || picture.height > kCommonScreenHeight) {
        findings.push_back(BitmapFinding(Severity::Warning, "larger-than-screen",
                                         SizeText(picture.width, picture.height) + " is larger than a common " +
                                             SizeText(kCommonScreenWidth, kCommonScreenHeight) +
                                             " screen: part of the window will be off the screen",
                                         "make the bitmap smaller"));
    }
    if (picture.hasAlpha && picture.translucentPixels > 0) {
        findings.push_back(BitmapFinding(
            Severity::Warning, "alpha-ignored",
            "the " + format +
                " has an alpha channel, which the picker ignores: " + std::to_string(picture.translucentPixels) +
                " transparent or translucent pixels show their colour as if opaque",
            "paint everything that should be cut out in the top-left pixel's colour " + ColourText(key)));
    }
    if (picture.format == PictureFormat::Jpeg || picture.format == PictureFormat::WebP) {
        const NearKeyCount nearKey = CountNearKey(picture);
        if (nearKey.total > 0) {
            findings.push_back(BitmapFinding(Severity::Warning, "lossy-fringe",
                                             format + " is lossy: " + std::to_string(nearKey.total) +
                                                 " pixels are within " + std::to_string(kNearKeyDistance) +
                                                 " of the key colour but not equal to it (" +
                                                 std::to_string(nearKey.onOutline) +
                                                 " of them along the outline): they stay opaque as a fringe and specks",
                                             "save the bitmap as BMP or PNG"));
        }
    }
    return findings;
}

}  // namespace pixlin::skintool
