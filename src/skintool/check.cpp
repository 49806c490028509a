#include "skintool/check.h"

#include <algorithm>

#include "skintool/bitmap_findings.h"
#include "skintool/layout_findings.h"
#include "skintool/place_findings.h"
#include "skintool/sound_findings.h"

namespace pixlin::skintool {

SkinCheck CheckSkin(const SkinFiles& files, const PictureLimits& limits) {
    SkinCheck check;
    Findings& findings = check.findings;
    if (files.picture.present) {
        check.picture = ReadSkinPicture(files.picture, limits);
    }
    const bool usable = files.picture.present && check.picture.outcome == PictureOutcome::Decoded;
    const std::optional<PixelRect> window =
        usable ? std::optional(PixelRect{0, 0, check.picture.width, check.picture.height}) : std::nullopt;

    LayoutCheck layout = CheckLayout(files.layout.bytes, files.layout.size, window);
    if (files.layout.present) {
        findings = std::move(layout.findings);
    } else if (!files.layout.unreadable.empty()) {
        findings.push_back(Finding{Severity::Error, std::string(kLayoutFile), 0, "layout-unreadable",
                                   "the layout file cannot be opened (" + files.layout.unreadable +
                                       "): the picker reports that it cannot open it and ends",
                                   "make pixlin.dat0 a file that everyone may read"});
    } else {
        findings.push_back(Finding{Severity::Error, std::string(kLayoutFile), 0, "layout-missing",
                                   "no layout file: the picker reports that it cannot open it and ends",
                                   "add a layout file named pixlin.dat0 (an empty one keeps the built-in places)"});
    }
    check.layout = PlaceControls(layout.reading);
    // A refused layout ends the picker before any control is placed.
    const bool placed = files.layout.present && !layout.reading.layout.refusal;

    if (files.picture.present) {
        const Findings bitmap = BitmapFindings(check.picture);
        if (placed) {
            const Findings places = PlaceFindings(check.layout, usable ? &check.picture : nullptr);
            findings.insert(findings.end(), places.begin(), places.end());
        }
        findings.insert(findings.end(), bitmap.begin(), bitmap.end());
    } else {
        if (placed) {
            const Findings places = PlaceFindings(check.layout, nullptr);
            findings.insert(findings.end(), places.begin(), places.end());
        }
        if (files.picture.unreadable.empty()) {
            findings.push_back(Finding{Severity::Error, std::string(kPictureFile), 0, "picture-missing",
                                       "no skin bitmap: the picker will show its built-in skin with your layout on top",
                                       "add the bitmap as pixlin.dat1 (BMP or PNG)"});
        } else {
            findings.push_back(Finding{Severity::Error, std::string(kPictureFile), 0, "picture-unreadable",
                                       "the skin bitmap cannot be opened (" + files.picture.unreadable +
                                           "): the picker will show its built-in skin with your layout on top",
                                       "make pixlin.dat1 a file that everyone may read"});
        }
    }
    Findings sound;
    if (files.sound.unreadable.empty()) {
        sound = SoundFindings(files.sound.Bytes(), files.sound.size);
    } else {
        sound.push_back(Finding{Severity::Warning, std::string(kSoundFile), 0, "sound-unreadable",
                                "the click sound cannot be opened (" + files.sound.unreadable + "): clicks stay silent",
                                "make pixlin.dat2 a file that everyone may read"});
    }
    findings.insert(findings.end(), sound.begin(), sound.end());

    // The layout's findings in line order, those about the whole file first.
    std::stable_sort(findings.begin(), findings.end(), [](const Finding& a, const Finding& b) {
        const auto rank = [](const Finding& f) { return f.file == kLayoutFile ? 0 : f.file == kPictureFile ? 1 : 2; };
        return rank(a) != rank(b) ? rank(a) < rank(b) : a.line < b.line;
    });
    return check;
}

}  // namespace pixlin::skintool
