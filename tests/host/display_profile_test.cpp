// Display profiles against LittleCMS: Debian's profiles (icc-profiles-free) and profiles LittleCMS makes, each read
// by both from the same bytes; and the reader's refusals of damaged files.

#include <gtest/gtest.h>
#include <lcms2.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "core/colour/oklch.h"
#include "core/profile/display_profile.h"
#include "core/profile/icc_profile.h"

namespace pixlin {
namespace {

std::string FileBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

const std::string kDebianIcc = "/usr/share/color/icc/";

std::string Big32(uint32_t value) {
    return {static_cast<char>(value >> 24), static_cast<char>(value >> 16), static_cast<char>(value >> 8),
            static_cast<char>(value)};
}

std::string Big16(uint32_t value) {
    return {static_cast<char>(value >> 8), static_cast<char>(value)};
}

std::string Fixed(double value) {
    return Big32(static_cast<uint32_t>(static_cast<int32_t>(std::lround(value * 65536))));
}

std::string XyzTag(double x, double y, double z) {
    return "XYZ " + Big32(0) + Fixed(x) + Fixed(y) + Fixed(z);
}

std::string CurveTag(const std::vector<uint16_t>& table) {
    std::string tag = "curv" + Big32(0) + Big32(static_cast<uint32_t>(table.size()));
    for (const uint16_t entry : table) {
        tag += Big16(entry);
    }
    return tag;
}

std::string MlucTag(const std::vector<std::pair<std::string, std::u16string>>& records) {
    std::string tag = "mluc" + Big32(0) + Big32(static_cast<uint32_t>(records.size())) + Big32(12);
    std::string strings;
    const std::size_t stringsAt = 16 + 12 * records.size();
    for (const auto& [language, text] : records) {
        tag += language + Big32(static_cast<uint32_t>(2 * text.size())) +
               Big32(static_cast<uint32_t>(stringsAt + strings.size()));
        for (const char16_t unit : text) {
            strings += Big16(unit);
        }
    }
    return tag + strings;
}

// A profile as the ICC lays one out: header, tag table, each tag's data on a 4-byte boundary.
struct IccFile {
    std::vector<std::pair<std::string, std::string>> tags;
    std::string space = "RGB ";
    std::string deviceClass = "mntr";
    std::string pcs = "XYZ ";

    std::string Bytes() const {
        std::string data;
        std::string table = Big32(static_cast<uint32_t>(tags.size()));
        const std::size_t dataAt = 128 + 4 + 12 * tags.size();
        for (const auto& [signature, tag] : tags) {
            table += signature + Big32(static_cast<uint32_t>(dataAt + data.size())) +
                     Big32(static_cast<uint32_t>(tag.size()));
            data += tag;
            data.resize((data.size() + 3) / 4 * 4, '\0');
        }
        std::string header = Big32(static_cast<uint32_t>(dataAt + data.size())) + "none" + Big32(0x02100000) +
                             deviceClass + space + pcs + std::string(12, '\0') + "acsp";
        header.resize(128, '\0');
        return header + table + data;
    }
};

double SrgbDecode(double v) {
    return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
}

// Made as the HP/Microsoft "sRGB IEC61966-2.1" profile is: its stored colorants, D65 media white, and 1024-entry
// tables of the sRGB curve.
IccFile HpStyleSrgb() {
    std::vector<uint16_t> curve(1024);
    for (std::size_t i = 0; i < curve.size(); ++i) {
        curve[i] = static_cast<uint16_t>(std::lround(65535 * SrgbDecode(static_cast<double>(i) / 1023)));
    }
    return {{{"desc", "desc" + Big32(0) + Big32(18) + std::string("sRGB IEC61966-2.1") + '\0'},
             {"wtpt", XyzTag(0.95045, 1.0, 1.08905)},
             {"rXYZ", "XYZ " + Big32(0) + Big32(0x6FA2) + Big32(0x38F5) + Big32(0x0390)},
             {"gXYZ", "XYZ " + Big32(0) + Big32(0x6299) + Big32(0xB785) + Big32(0x18DA)},
             {"bXYZ", "XYZ " + Big32(0) + Big32(0x24A0) + Big32(0x0F84) + Big32(0xB6CF)},
             {"rTRC", CurveTag(curve)},
             {"gTRC", CurveTag(curve)},
             {"bTRC", CurveTag(curve)}}};
}

class Lcms {
public:
    explicit Lcms(cmsHPROFILE handle) : handle_(handle) {}
    Lcms(const Lcms&) = delete;
    Lcms& operator=(const Lcms&) = delete;
    ~Lcms() { cmsCloseProfile(handle_); }
    cmsHPROFILE get() const { return handle_; }

private:
    cmsHPROFILE handle_;
};

std::string SavedBytes(cmsHPROFILE profile) {
    cmsUInt32Number size = 0;
    cmsSaveProfileToMem(profile, nullptr, &size);
    std::string bytes(size, '\0');
    cmsSaveProfileToMem(profile, bytes.data(), &size);
    return bytes;
}

// A profile LittleCMS makes from D65 white, the primaries and one curve for all channels, as saved (version 4).
std::string MadeByLcms(const cmsCIExyYTRIPLE& primaries, cmsToneCurve* curve) {
    const cmsCIExyY d65{0.3127, 0.3290, 1.0};
    cmsToneCurve* curves[3] = {curve, curve, curve};
    const Lcms profile(cmsCreateRGBProfile(&d65, &primaries, curves));
    cmsFreeToneCurve(curve);
    return SavedBytes(profile.get());
}

const cmsCIExyYTRIPLE kSrgbPrimaries{{0.64, 0.33, 1}, {0.30, 0.60, 1}, {0.15, 0.06, 1}};
// sRGB's with red 0.002 away: a display that is not quite sRGB.
const cmsCIExyYTRIPLE kNearSrgbPrimaries{{0.642, 0.33, 1}, {0.30, 0.60, 1}, {0.15, 0.06, 1}};
const cmsCIExyYTRIPLE kP3Primaries{{0.680, 0.320, 1}, {0.265, 0.690, 1}, {0.150, 0.060, 1}};

// LittleCMS numbers the ICC's parametric functions 0 to 4 as 1 to 5.
cmsToneCurve* Parametric(int iccFunction, std::vector<double> params) {
    return cmsBuildParametricToneCurve(nullptr, iccFunction + 1, params.data());
}

cmsToneCurve* SrgbCurve() {
    return Parametric(3, {2.4, 1 / 1.055, 0.055 / 1.055, 1 / 12.92, 0.04045});
}

struct ProfileRow {
    const char* name;
    std::string bytes;
    ProfileKind kind;
    // Curves with flat parts have many display values for one sRGB value, and LittleCMS and we may pick others.
    bool increasing = true;
};

std::vector<ProfileRow> ProfileRows() {
    const Lcms builtInSrgb(cmsCreate_sRGBProfile());
    return {
        {"Debian sRGB", FileBytes(kDebianIcc + "sRGB.icc"), ProfileKind::Srgb},
        {"HP-style sRGB", HpStyleSrgb().Bytes(), ProfileKind::Srgb},
        {"LittleCMS sRGB", SavedBytes(builtInSrgb.get()), ProfileKind::Srgb},
        {"Debian Adobe RGB", FileBytes(kDebianIcc + "compatibleWithAdobeRGB1998.icc"), ProfileKind::MatrixTrc},
        {"Debian L* RGB", FileBytes(kDebianIcc + "LStar-RGB.icc"), ProfileKind::MatrixTrc},
        {"P3-like", MadeByLcms(kP3Primaries, SrgbCurve()), ProfileKind::MatrixTrc},
        {"sRGB, red 0.002 off", MadeByLcms(kNearSrgbPrimaries, SrgbCurve()), ProfileKind::MatrixTrc},
        {"sRGB primaries, gamma 2.2", MadeByLcms(kSrgbPrimaries, cmsBuildGamma(nullptr, 2.2)), ProfileKind::MatrixTrc},
        {"Debian Cineon log", FileBytes(kDebianIcc + "CineonLog_M.icc"), ProfileKind::MatrixTrc, false},
        {"P3, ICC curve 1", MadeByLcms(kP3Primaries, Parametric(1, {2.2, 1.05, -0.05})), ProfileKind::MatrixTrc, false},
        {"P3, ICC curve 2", MadeByLcms(kP3Primaries, Parametric(2, {2.2, 1.0, -0.02, 0.005})), ProfileKind::MatrixTrc,
         false},
        // sRGB's curve lifted by 0.002 and scaled to reach 1 again.
        {"P3, ICC curve 4",
         MadeByLcms(kP3Primaries, Parametric(4, {2.4, 0.94704, 0.055 / 1.055, 1 / 12.92, 0.04045, 0.002, 0.002})),
         ProfileKind::MatrixTrc},
        {"HP colorants, linear",
         [] {
             IccFile file = HpStyleSrgb();
             for (auto& [signature, tag] : file.tags) {
                 if (signature.substr(1) == "TRC") {
                     tag = CurveTag({});
                 }
             }
             return file.Bytes();
         }(),
         ProfileKind::MatrixTrc},
    };
}

// 0, 16, ..., 240 and 255 for each channel.
std::vector<Rgb> Grid() {
    std::vector<Rgb> grid;
    const auto node = [](int i) { return static_cast<uint8_t>(std::min(16 * i, 255)); };
    for (int r = 0; r <= 16; ++r) {
        for (int g = 0; g <= 16; ++g) {
            for (int b = 0; b <= 16; ++b) {
                grid.push_back({node(r), node(g), node(b)});
            }
        }
    }
    return grid;
}

double SrgbEncode(double linear) {
    return linear <= 0.0031308 ? 12.92 * linear : 1.055 * std::pow(linear, 1 / 2.4) - 0.055;
}

class Transform {
public:
    Transform(cmsHPROFILE from, cmsUInt32Number format, cmsHPROFILE to, cmsUInt32Number flags)
        : handle_(cmsCreateTransform(from, format, to, format, INTENT_RELATIVE_COLORIMETRIC, flags)) {}
    Transform(const Transform&) = delete;
    Transform& operator=(const Transform&) = delete;
    ~Transform() { cmsDeleteTransform(handle_); }
    template <typename Channel>
    std::array<Channel, 3> operator()(const std::array<Channel, 3>& in) const {
        std::array<Channel, 3> out{};
        cmsDoTransform(handle_, in.data(), out.data(), 1);
        return out;
    }

private:
    cmsHTRANSFORM handle_;
};

// Whether an 8-bit value is not that of LittleCMS's floating-point result clipped and rounded; results within 0.05
// of a step of halfway are not judged.
bool RoundedOtherwise(uint8_t ours, double theirs) {
    const double steps = 255 * std::clamp(theirs, 0.0, 1.0);
    return std::abs(steps - std::floor(steps) - 0.5) > 0.05 && ours != std::lround(steps);
}

// On the grid: ours to sRGB within one 8-bit step of LittleCMS's 8-bit transform (whose optimised integer paths round
// otherwise here and there); both ways rounded as LittleCMS's floating-point transforms, which keep values beyond 0
// and 1 when nothing is optimised, are rounded after clipping (back only where the curves have no flat part, where
// LittleCMS and we may pick other display values for one colour); the unclipped colour within a quarter of a step of
// that; and the outside flag wherever that result lies clearly inside or clearly outside by half a step.
TEST(DisplayProfile, MatchesLittleCms) {
    const Lcms srgb(cmsCreate_sRGBProfile());
    for (const ProfileRow& row : ProfileRows()) {
        SCOPED_TRACE(row.name);
        const IccReadResult read = ReadIccProfile(row.bytes);
        ASSERT_TRUE(read.profile) << IccErrorText(read.error);
        EXPECT_EQ(ClassifyProfile(*read.profile), row.kind);
        ASSERT_TRUE(read.profile->matrixTrc);
        const DisplayTransform transform(*read.profile->matrixTrc);

        const Lcms display(cmsOpenProfileFromMem(row.bytes.data(), static_cast<cmsUInt32Number>(row.bytes.size())));
        ASSERT_NE(display.get(), nullptr);
        const Transform toSrgb(display.get(), TYPE_RGB_8, srgb.get(), 0);
        const Transform unbounded(display.get(), TYPE_RGB_DBL, srgb.get(), cmsFLAGS_NOCACHE | cmsFLAGS_NOOPTIMIZE);
        const Transform unboundedBack(srgb.get(), TYPE_RGB_DBL, display.get(), cmsFLAGS_NOCACHE | cmsFLAGS_NOOPTIMIZE);
        int worst = 0;
        int differing = 0;
        int roundedOtherwise = 0;
        double worstUnclipped = 0;
        int outside = 0;
        int undecided = 0;
        for (const Rgb& colour : Grid()) {
            const DisplayColour ours = transform.ToSrgb(colour);
            const Rgb back = transform.FromSrgb(colour);
            const std::array<uint8_t, 3> mine{ours.srgb.r, ours.srgb.g, ours.srgb.b};
            const std::array<uint8_t, 3> mineBack{back.r, back.g, back.b};
            const std::array<double, 3> theirsBack =
                unboundedBack(std::array<double, 3>{colour.r / 255.0, colour.g / 255.0, colour.b / 255.0});
            const std::array<uint8_t, 3> theirs = toSrgb(std::array<uint8_t, 3>{colour.r, colour.g, colour.b});
            const std::array<double, 3> unclipped =
                unbounded(std::array<double, 3>{colour.r / 255.0, colour.g / 255.0, colour.b / 255.0});
            bool clearlyOutside = false;
            bool clearlyInside = true;
            for (std::size_t c = 0; c < 3; ++c) {
                worst = std::max(worst, std::abs(mine[c] - theirs[c]));
                roundedOtherwise += RoundedOtherwise(mine[c], unclipped[c]);
                roundedOtherwise += row.increasing && RoundedOtherwise(mineBack[c], theirsBack[c]);
                worstUnclipped = std::max(worstUnclipped, std::abs(SrgbEncode(ours.linear[c]) - unclipped[c]));
                const double beyond = std::max(-unclipped[c], unclipped[c] - 1) * 255;
                clearlyOutside = clearlyOutside || beyond > 0.6;
                clearlyInside = clearlyInside && beyond < 0.4;
            }
            differing += mine != theirs;
            outside += ours.outside;
            if (clearlyOutside || clearlyInside) {
                EXPECT_EQ(ours.outside, clearlyOutside) << +colour.r << "," << +colour.g << "," << +colour.b << " -> "
                                                        << unclipped[0] << "," << unclipped[1] << "," << unclipped[2];
            } else {
                ++undecided;
            }
        }
        EXPECT_LE(worst, 1);
        EXPECT_EQ(roundedOtherwise, 0);
        EXPECT_LT(worstUnclipped, 0.25 / 255);
        std::printf("%-26s %4d of 4913 differ by %d, unclipped %.1g steps, %4d outside, %d undecided\n", row.name,
                    differing, worst, worstUnclipped * 255, outside, undecided);
    }
}

// A version 4 profile as LittleCMS writes one for a P3 display: its D50 media white and the Bradford adaptation from
// D65 (published: 1.0478 0.0229 -0.0501 / 0.0295 0.9905 -0.0170 / -0.0092 0.0150 0.7521) as read; and its red, beyond
// sRGB, keeps its own colour in OKLCH: CSS Color 4's color(display-p3 1 0 0) is oklch(0.6486 0.2995 28.96).
TEST(DisplayProfile, P3Display) {
    const IccReadResult read = ReadIccProfile(MadeByLcms(kP3Primaries, SrgbCurve()));
    ASSERT_TRUE(read.profile && read.profile->matrixTrc && read.profile->whitePoint && read.profile->adaptation);
    EXPECT_EQ(read.profile->version >> 24, 4u);
    EXPECT_NEAR(read.profile->whitePoint->x, 0.9642, 1e-4);
    EXPECT_NEAR(read.profile->whitePoint->z, 0.8249, 1e-4);
    const std::array<double, 9> bradford{1.0478, 0.0229, -0.0501, 0.0295, 0.9905, -0.0170, -0.0092, 0.0150, 0.7521};
    for (std::size_t i = 0; i < bradford.size(); ++i) {
        EXPECT_NEAR((*read.profile->adaptation)[i], bradford[i], 1e-3) << i;
    }

    const DisplayColour red = DisplayTransform(*read.profile->matrixTrc).ToSrgb({255, 0, 0});
    EXPECT_EQ(red.srgb, (Rgb{255, 0, 0}));
    EXPECT_TRUE(red.outside);
    const Oklch colour = OklchOfLinear(red.linear[0], red.linear[1], red.linear[2]);
    EXPECT_NEAR(colour.lightness, 0.6486, 0.0002);
    EXPECT_NEAR(colour.chroma, 0.2995, 0.0002);
    EXPECT_NEAR(colour.hue, 28.96, 0.02);
}

// A small valid profile (gamma 2.2 curves, HP's colorants) for the rows below to break.
IccFile Plain() {
    IccFile file = HpStyleSrgb();
    for (auto& [signature, tag] : file.tags) {
        if (signature.substr(1) == "TRC") {
            tag = "curv" + Big32(0) + Big32(1) + Big16(563);
        }
    }
    return file;
}

IccFile With(IccFile file, const std::string& signature, const std::string& tag) {
    for (auto& [name, data] : file.tags) {
        if (name == signature) {
            data = tag;
            return file;
        }
    }
    file.tags.emplace_back(signature, tag);
    return file;
}

IccFile Without(IccFile file, const std::string& signature) {
    std::erase_if(file.tags, [&](const auto& tag) { return tag.first == signature; });
    return file;
}

std::string Patched(std::string bytes, std::size_t at, uint32_t value) {
    bytes.replace(at, 4, Big32(value));
    return bytes;
}

// Each row either reads as a profile of that kind or is refused for that reason; hostile rows must be refused
// without a crash (the sanitizer build watches the reads).
TEST(IccProfile, ReadsOrRefuses) {
    const std::string plain = Plain().Bytes();
    const std::string srgb = FileBytes(kDebianIcc + "sRGB.icc");
    const std::size_t firstTag = 128 + 4;  // the first table entry: signature, offset, size
    IccFile manyTags = Plain();
    while (manyTags.tags.size() < 256) {
        manyTags.tags.emplace_back("zzzz", "");
    }
    IccFile tooManyTags = manyTags;
    tooManyTags.tags.emplace_back("zzzz", "");
    IccFile lab = Plain();
    lab.pcs = "Lab ";
    IccFile cmyk = Plain();
    cmyk.space = "CMYK";
    IccFile link = Plain();
    link.deviceClass = "link";
    IccFile luv = Plain();
    luv.pcs = "Luv ";
    const auto curve = [](uint32_t count, std::size_t entries) {
        return "curv" + Big32(0) + Big32(count) + std::string(2 * entries, '\x10');
    };
    const std::string lut = "mft2" + std::string(48, '\0');
    // Bytes, or a profile to write.
    struct Input {
        Input(std::string data) : bytes(std::move(data)) {}
        Input(const IccFile& file) : bytes(file.Bytes()) {}
        std::string bytes;
    };
    const struct {
        const char* name;
        Input input;
        std::optional<ProfileKind> kind;
        IccError error;
    } rows[] = {
        {"plain", plain, ProfileKind::MatrixTrc, {}},
        {"256 tags", manyTags, ProfileKind::MatrixTrc, {}},
        {"curve of 65536 entries", With(Plain(), "rTRC", curve(65536, 65536)), ProfileKind::MatrixTrc, {}},
        {"lookup table and matrix/TRC", With(Plain(), "A2B0", lut).Bytes(), ProfileKind::MatrixTrc, {}},
        {"lookup table, no blue curve", Without(With(Plain(), "A2B0", lut), "bTRC").Bytes(), ProfileKind::LutOnly, {}},
        {"lookup table, Lab PCS", With(lab, "B2A0", lut).Bytes(), ProfileKind::LutOnly, {}},
        {"empty", std::string(), {}, IccError::TooShort},
        {"header cut short", srgb.substr(0, 100), {}, IccError::TooShort},
        {"last byte missing", srgb.substr(0, srgb.size() - 1), {}, IccError::Truncated},
        {"size 4 GiB", Patched(srgb, 0, 0xFFFFFFFF), {}, IccError::TooLarge},
        {"size below the header", Patched(srgb, 0, 64), {}, IccError::TooShort},
        {"no acsp", Patched(srgb, 36, 0x61637370 + 1), {}, IccError::NotIcc},
        {"version 5", Patched(srgb, 8, 0x05000000), {}, IccError::UnsupportedVersion},
        {"CMYK", cmyk, {}, IccError::NotRgb},
        {"device link", link, {}, IccError::UnsupportedClass},
        {"PCS Luv", luv, {}, IccError::UnsupportedPcs},
        {"tag count 2^32 - 1", Patched(plain, 128, 0xFFFFFFFF), {}, IccError::BadTagTable},
        {"257 tags", tooManyTags, {}, IccError::BadTagTable},
        {"tag offset past the end",
         Patched(plain, firstTag + 4, static_cast<uint32_t>(plain.size()) + 1),
         {},
         IccError::BadTagTable},
        {"tag offset + size wraps",
         Patched(Patched(plain, firstTag + 4, 200), firstTag + 8, 0xFFFFFFF0),
         {},
         IccError::BadTagTable},
        {"curve of 2^32 - 1 entries", With(Plain(), "gTRC", curve(0xFFFFFFFF, 4)), {}, IccError::BadTag},
        {"curve of 65537 entries", With(Plain(), "gTRC", curve(65537, 65537)), {}, IccError::BadTag},
        {"curve longer than its tag", With(Plain(), "gTRC", curve(100, 99)), {}, IccError::BadTag},
        {"parametric function 5",
         With(Plain(), "bTRC", "para" + Big32(0) + Big16(5) + Big16(0) + Fixed(2.2)),
         {},
         IccError::BadTag},
        {"parametric function 4 with 5 numbers",
         With(Plain(), "bTRC", "para" + Big32(0) + Big16(4) + Big16(0) + std::string(20, '\0')),
         {},
         IccError::BadTag},
        {"colorant of curve type", With(Plain(), "rXYZ", curve(0, 0)), {}, IccError::BadTag},
        {"colorant cut short", With(Plain(), "rXYZ", XyzTag(0.4, 0.2, 0.01).substr(0, 16)), {}, IccError::BadTag},
        {"white point cut short", With(Plain(), "wtpt", "XYZ "), {}, IccError::BadTag},
        {"adaptation cut short",
         With(Plain(), "chad", "sf32" + Big32(0) + std::string(32, '\0')),
         {},
         IccError::BadTag},
        {"description longer than its tag",
         With(Plain(), "desc", "desc" + Big32(0) + Big32(1000) + "sRGB"),
         {},
         IccError::BadTag},
        {"2^32 - 1 language records",
         With(Plain(), "desc", "mluc" + Big32(0) + Big32(0xFFFFFFFF) + Big32(12)),
         {},
         IccError::BadTag},
        {"language record past its tag",
         With(Plain(), "desc", "mluc" + Big32(0) + Big32(1) + Big32(12) + "enUS" + Big32(8) + Big32(0xFFFFFFF0)),
         {},
         IccError::BadTag},
        {"no blue curve", Without(Plain(), "bTRC"), {}, IccError::NoConversion},
        {"red colorant zero", With(Plain(), "rXYZ", XyzTag(0, 0, 0)), {}, IccError::NoConversion},
        {"Lab PCS, colorants and curves", lab, {}, IccError::NoConversion},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const IccReadResult read = ReadIccProfile(row.input.bytes);
        if (row.kind) {
            ASSERT_TRUE(read.profile) << IccErrorText(read.error);
            EXPECT_EQ(ClassifyProfile(*read.profile), *row.kind);
        } else {
            EXPECT_FALSE(read.profile);
            EXPECT_EQ(read.error, row.error) << IccErrorText(read.error);
        }
    }
}

std::string Repeated(const std::string& text, int times) {
    std::string repeated;
    for (int i = 0; i < times; ++i) {
        repeated += text;
    }
    return repeated;
}

// The description as a label may show it, whatever the file holds.
TEST(IccProfile, Description) {
    const auto desc = [](const std::string& ascii) {
        return With(Plain(), "desc", "desc" + Big32(0) + Big32(static_cast<uint32_t>(ascii.size())) + ascii).Bytes();
    };
    const auto mluc = [](const std::vector<std::pair<std::string, std::u16string>>& records) {
        return With(Plain(), "desc", MlucTag(records)).Bytes();
    };
    const Lcms builtInSrgb(cmsCreate_sRGBProfile());
    const struct {
        std::string bytes;
        std::string text;
    } rows[] = {
        {FileBytes(kDebianIcc + "sRGB.icc"), "sRGB"},
        {FileBytes(kDebianIcc + "compatibleWithAdobeRGB1998.icc"), "Compatible with Adobe RGB (1998)"},
        {SavedBytes(builtInSrgb.get()), "sRGB built-in"},
        {desc(std::string("  Display\t\x01 1  \0junk", 20)), "Display 1"},
        {desc("\xA9 Maker"), "\xC2\xA9 Maker"},
        {desc(std::string(100, 'a')), std::string(64, 'a')},
        {mluc({{"deDE", u"Bildschirm"}, {"enUS", u"Display"}}), "Display"},
        {mluc({{"frFR", u"\u00C9cran"}, {"deDE", u"Bildschirm"}}),
         "\xC3\x89"
         "cran"},
        {mluc({{"enUS",
                u"A\xD800"
                "B"}}),
         "A\xEF\xBF\xBD"
         "B"},
        {mluc({{"enUS", u"\u202E\u200Bevil\u2066 twin"}}), "evil twin"},
        {mluc({{"enUS", u"\U0001F5A5 Display"}}), "\xF0\x9F\x96\xA5 Display"},
        {mluc({{"enUS", std::u16string(70, u'\u00E9')}}), Repeated("\xC3\xA9", 64)},
        {mluc({}), ""},
        {With(Plain(), "desc", "text" + Big32(0) + "plain").Bytes(), ""},
    };
    for (const auto& row : rows) {
        const IccReadResult read = ReadIccProfile(row.bytes);
        ASSERT_TRUE(read.profile) << IccErrorText(read.error);
        EXPECT_EQ(read.profile->description, row.text);
    }
}

}  // namespace
}  // namespace pixlin
