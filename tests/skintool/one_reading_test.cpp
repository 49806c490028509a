#include "core/layout/skin_layout.h"
#include "skintool/check.h"
#include "support/layout_rows.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>

namespace pixlin::skintool {
namespace {

using testing::LayoutRow;

std::string BoxText(const PixelRect& box) {
    return std::to_string(box.left) + "," + std::to_string(box.top) + " " + std::to_string(box.right - box.left) +
           " x " + std::to_string(box.bottom - box.top);
}

void Write(const std::filesystem::path& path, std::string_view bytes) {
    std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// The skin as a user hands it to pixlin-skin: a folder of files.
SkinCheck CheckFolder(const LayoutRow& row) {
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "pixlin-one-reading";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    Write(folder / "pixlin.dat0", row.layout);
    Write(folder / "pixlin.dat1", testing::LayoutRowSkin());
    std::filesystem::copy_file(std::filesystem::path(PIXLIN_SKIN_DIR) / "pixlin.dat2", folder / "pixlin.dat2");
    SkinCheck check = CheckSkin(ReadSkinFiles(folder));
    std::filesystem::remove_all(folder);
    return check;
}

const Finding* Last(const Findings& findings, std::string_view kind) {
    const auto found =
        std::find_if(findings.rbegin(), findings.rend(), [kind](const Finding& f) { return f.kind == kind; });
    return found != findings.rend() ? &*found : nullptr;
}

void ExpectReading(const LayoutRow& row) {
    const SkinLayout layout = ReadSkinLayout(
        row.layout, LayoutContext{DisplayScale(), PixelRect{0, 0, testing::kRowSkinWidth, testing::kRowSkinHeight}});
    EXPECT_EQ(layout.refusal.has_value(), row.refused);
    EXPECT_EQ(layout.Shows(row.control), row.shown);
    EXPECT_EQ(layout.history ? std::optional(layout.history->box) : std::nullopt, row.historyBox);
    if (layout.history) {
        EXPECT_EQ(layout.history->count, row.historyCount);
    }
    EXPECT_EQ(layout.Control(row.control).pixels, row.pixels);
    EXPECT_EQ(layout.Control(row.control).foreColor, row.foreColor);
    const bool loupe = layout.loupe && layout.loupe->geometry;
    ASSERT_EQ(loupe, row.loupeGrid.has_value());
    if (loupe) {
        EXPECT_EQ(layout.loupe->geometry->grid, *row.loupeGrid);
        EXPECT_EQ(layout.loupe->geometry->factor, row.loupeFactor);
    }
    EXPECT_EQ(layout.alpha, row.alpha);
}

// What pixlin-skin tells the author is what the picker does.
void ExpectReport(const LayoutRow& row) {
    const SkinCheck check = CheckFolder(row);
    const Finding* refusal = Last(check.findings, "layout-too-large");
    EXPECT_EQ(refusal != nullptr, row.refused);
    EXPECT_EQ(ExitStatus(check.findings) == 2, row.refused);
    if (row.refused) {
        EXPECT_EQ(refusal->severity, Severity::Error);
        EXPECT_NE(refusal->message.find("refuses it"), std::string::npos) << refusal->message;
        return;
    }
    const auto control = std::find_if(check.layout.controls.begin(), check.layout.controls.end(),
                                      [&row](const PlacedControl& c) { return c.control == row.control; });
    ASSERT_EQ(control != check.layout.controls.end(), row.shown);
    const Finding* history = Last(check.findings, "history");
    ASSERT_EQ(history != nullptr, row.historyBox.has_value());
    if (history) {
        EXPECT_NE(history->message.find("last " + std::to_string(row.historyCount) + " copied colours"),
                  std::string::npos)
            << history->message;
    }
    if (!row.shown) {
        return;
    }
    EXPECT_EQ(control->box, row.pixels);
    if (control->foreColor) {
        EXPECT_EQ(*control->foreColor, row.foreColor);
    }
    const Finding* loupe = Last(check.findings, "loupe");
    ASSERT_EQ(loupe != nullptr, row.loupeGrid.has_value()) << (loupe ? loupe->message : "no loupe finding");
    if (loupe) {
        const std::string factor = std::to_string(row.loupeFactor);
        EXPECT_NE(loupe->message.find("each as " + factor + " x " + factor + " pixels, at " + BoxText(*row.loupeGrid)),
                  std::string::npos)
            << loupe->message;
    }
    const Finding* alpha = Last(check.findings, "trans-alpha");
    ASSERT_EQ(alpha != nullptr, row.alpha.has_value());
    if (alpha) {
        EXPECT_NE(alpha->message.find("becomes " + std::to_string(*row.alpha) + " of 255"), std::string::npos)
            << alpha->message;
    }
}

TEST(OneReading, TheCheckerReportsWhatThePickerApplies) {
    for (const LayoutRow& row : testing::LayoutRows()) {
        SCOPED_TRACE(std::string(row.name));
        ExpectReading(row);
        ExpectReport(row);
    }
}

}  // namespace
}  // namespace pixlin::skintool
