#include "picker/form1.h"

#include "core/colour/css_text.h"
#include "core/colour/oklch.h"
#include "core/profile/icc_profile.h"
#include "support/clipboard.h"
#include "support/scratch_dir.h"
#include "support/test_picker.h"
#include "support/window_input.h"
#include "win32/file_bytes.h"
#include "win32/wide_text.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace pixlin {
namespace {

using testing::Centre;
using testing::Click;
using testing::DrainMessages;
using testing::ReadClipboard;
using testing::ScratchDir;
using testing::StartPicker;

using C = Form1Control;

constexpr wchar_t kMonitorProfiles[] = L"Software\\Microsoft\\Windows NT\\CurrentVersion\\ICM\\mntr";
// Debian's icc-profiles-free, as Wine sees the Linux file system.
constexpr wchar_t kAdobeCompatible[] = L"Z:\\usr\\share\\color\\icc\\compatibleWithAdobeRGB1998.icc";
constexpr char kAdobeName[] = "Compatible with Adobe RGB (1998)";
constexpr char kDot[] = " \xC2\xB7 ";

constexpr char kLayout[] =
    "rgb=170,40,116,16,0\r\nhex=170,62,116,16,0\r\n"
    "csshex=10,200,140,16,0\r\ncssrgb=10,220,140,16,0\r\noklch=160,200,140,16,0\r\nnearest=160,220,140,16,0\r\n"
    "contrast=160,240,140,16,0\r\nhistory=10,280,80,12,4\r\nprofile=10,300,300,16,0\r\n";

std::string ReadAll(const std::wstring& path) {
    const FileHandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
    return file ? ReadToEnd(file.get()) : std::string();
}

// Wine's answer to GetICMProfileW for every display: the first value of the monitor profiles key, a file in the
// system's colour folder. Planted for one scope, and both removed again, so that every other test keeps a plain
// sRGB display.
class PlantedProfile {
public:
    // Without bytes the registry names a file that is not there.
    PlantedProfile(std::wstring name, std::optional<std::string> bytes) : name_(std::move(name)) {
        wchar_t system[MAX_PATH] = {};
        GetSystemDirectoryW(system, MAX_PATH);
        file_ = std::wstring(system) + L"\\spool\\drivers\\color\\" + name_;
        if (bytes) {
            const FileHandle file(
                CreateFileW(file_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
            DWORD written = 0;
            WriteFile(file.get(), bytes->data(), static_cast<DWORD>(bytes->size()), &written, nullptr);
        }
        HKEY key = nullptr;
        RegCreateKeyExW(HKEY_LOCAL_MACHINE, kMonitorProfiles, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr);
        RegSetValueExW(key, name_.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(L""), sizeof(wchar_t));
        RegCloseKey(key);
    }
    PlantedProfile(const PlantedProfile&) = delete;
    PlantedProfile& operator=(const PlantedProfile&) = delete;
    ~PlantedProfile() {
        RegDeleteKeyValueW(HKEY_LOCAL_MACHINE, kMonitorProfiles, name_.c_str());
        DeleteFileW(file_.c_str());
    }

private:
    std::wstring name_;
    std::wstring file_;
};

bool UnderWine() {
    return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
}

std::string NameBoxText(const Form1& form) {
    wchar_t text[256] = {};
    GetWindowTextW(form.Text1(), text, 256);
    return Narrow(text);
}

// Each channel of the readout's colour within one of LittleCMS's: two builds of one profile conversion round apart.
::testing::AssertionResult WithinOne(const std::string& cssHex, Rgb expected) {
    const std::optional<Rgb> shown = ColourOfCssHex(cssHex);
    if (!shown) {
        return ::testing::AssertionFailure() << "no colour: \"" << cssHex << '"';
    }
    if (std::abs(shown->r - expected.r) > 1 || std::abs(shown->g - expected.g) > 1 ||
        std::abs(shown->b - expected.b) > 1) {
        return ::testing::AssertionFailure() << cssHex << " is not within 1 of " << CssHexText(expected);
    }
    return ::testing::AssertionSuccess();
}

std::string RgbText(Rgb colour) {
    return std::to_string(colour.r) + "," + std::to_string(colour.g) + "," + std::to_string(colour.b);
}

class Form1ProfileTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!UnderWine()) {
            GTEST_SKIP() << "a display profile is planted the way Wine reads it";
        }
        adobe_ = ReadAll(kAdobeCompatible);
        ASSERT_FALSE(adobe_.empty()) << "Debian's icc-profiles-free is missing";
    }
    ~Form1ProfileTest() override { DrainMessages(); }

    std::unique_ptr<Form1> Start(AdvancedColourQuery advancedColour = [](const std::wstring&) { return false; }) {
        scratch_.Write(L"pixlin.dat0", kLayout);
        Form1Args args;
        args.programDirectory = scratch_.Root();
        args.readPixel = [this](HDC, int, int) { return colour_; };
        args.playWave = [](const std::wstring&, int16_t) {};
        args.advancedColour = std::move(advancedColour);
        return StartPicker(std::move(args));
    }

    void Sample(Form1& form, Rgb display) {
        colour_ = RGB(display.r, display.g, display.b);
        SetCursorPos(++x_, 400);
        form.Timer1_Timer();
    }

    static std::string Caption(const Form1& form, Form1Control label) { return form.Label(label).caption; }

    static void ClickLabel(const Form1& form, Form1Control label) {
        Click(form.hwnd(), Centre(form.Label(label).pixels));
    }

    // The readouts that show the display's value itself, as on a display without a profile.
    static void ExpectDisplayValues(const Form1& form, Rgb display) {
        EXPECT_EQ(Caption(form, C::lbl_CSSHEX), CssHexText(display));
        EXPECT_EQ(Caption(form, C::lbl_RGB), RgbText(display));
        EXPECT_EQ(Caption(form, C::lbl_OKLCH), OklchText(display));
    }

    std::string adobe_;
    ScratchDir scratch_;
    COLORREF colour_ = RGB(0, 0, 0);
    int x_ = 300;
};

// A style sheet's #E27052 reaches an Adobe RGB display as 201,111,84. Every readout shows the colour the page asked
// for, the swatch the display's pixel; a colour outside sRGB is clipped, but not in oklch. The expected colours are
// LittleCMS's (Python's PIL.ImageCms, relative colorimetric, 8 bits).
TEST_F(Form1ProfileTest, ReadoutsShowTheSrgbColourAndTheSwatchTheDisplayPixel) {
    const PlantedProfile planted(L"pixlin-test-wide.icc", adobe_);
    const struct {
        Rgb display;
        Rgb srgb;
        bool outside;
    } rows[] = {
        {{201, 111, 84}, {227, 112, 82}, false},
        {{128, 128, 128}, {129, 129, 129}, false},
        {{226, 112, 82}, {255, 113, 79}, true},
    };
    const auto form = Start();
    ASSERT_NE(form->hwnd(), nullptr);
    for (const auto& row : rows) {
        SCOPED_TRACE(RgbText(row.display));
        Sample(*form, row.display);
        const std::string hex = Caption(*form, C::lbl_CSSHEX);
        EXPECT_TRUE(WithinOne(hex, row.srgb));
        const Rgb shown = ColourOfCssHex(hex).value_or(Rgb{});
        EXPECT_EQ(Caption(*form, C::lbl_RGB), RgbText(shown)) << "an older readout shows another colour";
        EXPECT_EQ(form->Shape1().fillColor, std::optional(RGB(row.display.r, row.display.g, row.display.b)));
        EXPECT_EQ(Caption(*form, C::lbl_PROFILE),
                  std::string(row.outside ? "outside sRGB" : "sRGB") + kDot + kAdobeName);
        // Outside sRGB the clipped colour is not the colour: oklch shows the colour itself.
        EXPECT_EQ(Caption(*form, C::lbl_OKLCH) == OklchText(shown), !row.outside) << Caption(*form, C::lbl_OKLCH);
    }
    // The name box names the sRGB colour: the display's pixel of a named colour is none.
    Sample(*form, {255, 255, 255});
    EXPECT_EQ(NameBoxText(*form), "white - Weiß");
}

// A click on the profile text switches every readout between sRGB and the display's values, for the pointer's colour
// and a colour brought back alike. Copies carry the readout's text; the history keeps the sRGB colour and shows the
// display's pixel.
TEST_F(Form1ProfileTest, TheSwitchChangesEveryReadoutAtOnceLiveAndFrozen) {
    const PlantedProfile planted(L"pixlin-test-wide.icc", adobe_);
    const auto form = Start();
    ASSERT_NE(form->hwnd(), nullptr);
    const Rgb page{226, 112, 82};
    const Rgb display{201, 111, 84};
    Sample(*form, display);
    const std::string srgbHex = Caption(*form, C::lbl_CSSHEX);
    ASSERT_TRUE(WithinOne(srgbHex, {227, 112, 82}));
    ClickLabel(*form, C::lbl_CSSHEX);
    EXPECT_EQ(ReadClipboard().unicode, Widen(srgbHex));
    ASSERT_EQ(form->History().Entries().size(), 1u);
    EXPECT_EQ(CssHexText(form->History().Entries()[0].colour), srgbHex);
    EXPECT_EQ(form->History().Entries()[0].Displayed(), display);
    const PixelRect swatch = *form->History().Box();
    EXPECT_TRUE(testing::UntilShown([&] {
        return GetPixel(WindowDc(form->hwnd()).get(), swatch.left + 5, swatch.top + 5) ==
               RGB(display.r, display.g, display.b);
    })) << "the history's swatch does not show the display's pixel";

    ClickLabel(*form, C::lbl_PROFILE);
    EXPECT_EQ(Caption(*form, C::lbl_PROFILE), std::string("display values") + kDot + kAdobeName);
    ExpectDisplayValues(*form, display);
    EXPECT_EQ(Caption(*form, C::lbl_CONTRAST), "1.00:1 fail") << "the display's pixel against the one copied";
    Sample(*form, page);
    ExpectDisplayValues(*form, page);

    // The first swatch brings the copy back, in the display's values while they are chosen, in sRGB after the switch.
    Click(form->hwnd(), {swatch.left + 5, swatch.top + 5});
    ASSERT_FALSE(form->Timer1().Enabled());
    ExpectDisplayValues(*form, display);
    EXPECT_EQ(form->Shape1().fillColor, std::optional(RGB(display.r, display.g, display.b)));
    ClickLabel(*form, C::lbl_PROFILE);
    EXPECT_EQ(Caption(*form, C::lbl_CSSHEX), srgbHex);
    EXPECT_EQ(Caption(*form, C::lbl_PROFILE), std::string("sRGB") + kDot + kAdobeName);
    EXPECT_EQ(Caption(*form, C::lbl_CONTRAST), "1.00:1 fail");
    EXPECT_EQ(form->Shape1().fillColor, std::optional(RGB(display.r, display.g, display.b)));
}

// Profiles that cannot be used leave the display's values, say so, and offer nothing to switch to.
TEST_F(Form1ProfileTest, AProfileThatCannotBeUsedGivesTheDisplaysValues) {
    std::string headerTooLong = adobe_;
    headerTooLong[1] = '\x10';  // the header's size, far beyond the file
    const struct {
        const char* what;
        std::optional<std::string> bytes;
    } rows[] = {
        {"missing", std::nullopt},
        {"empty", std::string()},
        {"no profile", std::string("Not a colour profile, but text that happens to be here.")},
        {"truncated", adobe_.substr(0, 300)},
        {"claims more than it has", headerTooLong},
        {"larger than any display profile", std::string(kMaxIccBytes + 1, '\0')},
    };
    const Rgb display{201, 111, 84};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        const PlantedProfile planted(L"pixlin-test-bad.icc", row.bytes);
        const auto form = Start();
        ASSERT_NE(form->hwnd(), nullptr);
        Sample(*form, display);
        ExpectDisplayValues(*form, display);
        EXPECT_EQ(Caption(*form, C::lbl_PROFILE), std::string("display values") + kDot + "profile could not be used");
        ClickLabel(*form, C::lbl_PROFILE);
        ExpectDisplayValues(*form, display);
    }
}

// Where Windows reports advanced colour the ICC inverse is not applied, whatever the profile; the question names the
// monitor under the pointer.
TEST_F(Form1ProfileTest, AdvancedColourLeavesTheDisplaysValues) {
    const PlantedProfile planted(L"pixlin-test-wide.icc", adobe_);
    std::vector<std::wstring> asked;
    const auto form = Start([&asked](const std::wstring& device) {
        asked.push_back(device);
        return true;
    });
    ASSERT_NE(form->hwnd(), nullptr);
    const Rgb display{201, 111, 84};
    Sample(*form, display);
    ExpectDisplayValues(*form, display);
    EXPECT_EQ(Caption(*form, C::lbl_PROFILE), std::string("display values") + kDot + "advanced colour on");
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].rfind(L"\\\\.\\DISPLAY", 0), 0u) << Narrow(asked[0]);
    Sample(*form, display);
    EXPECT_EQ(asked.size(), 1u) << "asked again on the same monitor";
}

// The profile is read once per monitor, not per tick: a changed one counts from the system's word that display
// settings (WM_DISPLAYCHANGE) or other settings (WM_SETTINGCHANGE) changed, and the pick shows it at once. A plain
// display never loads the system's colour management, nor asks after advanced colour.
TEST_F(Form1ProfileTest, TheProfileIsReadAgainWhenTheSystemSaysSettingsChanged) {
    const Rgb display{201, 111, 84};
    int asked = 0;
    const auto form = Start([&asked](const std::wstring&) { return ++asked < 0; });
    ASSERT_NE(form->hwnd(), nullptr);
    Sample(*form, display);
    ExpectDisplayValues(*form, display);
    EXPECT_EQ(Caption(*form, C::lbl_PROFILE), "sRGB display");
    EXPECT_EQ(GetModuleHandleW(L"mscms.dll"), nullptr) << "an sRGB display loaded mscms";
    EXPECT_EQ(asked, 0) << "an sRGB display asked after advanced colour";

    auto planted = std::make_unique<PlantedProfile>(L"pixlin-test-wide.icc", adobe_);
    Sample(*form, display);
    EXPECT_EQ(Caption(*form, C::lbl_PROFILE), "sRGB display") << "the profile was read again without a word";
    SendMessageW(form->hwnd(), WM_SETTINGCHANGE, 0, 0);
    EXPECT_TRUE(WithinOne(Caption(*form, C::lbl_CSSHEX), {227, 112, 82}));
    EXPECT_EQ(Caption(*form, C::lbl_PROFILE), std::string("sRGB") + kDot + kAdobeName);
    EXPECT_EQ(asked, 1);

    planted.reset();
    SendMessageW(form->hwnd(), WM_DISPLAYCHANGE, 24, MAKELPARAM(1280, 800));
    ExpectDisplayValues(*form, display);
    EXPECT_EQ(Caption(*form, C::lbl_PROFILE), "sRGB display");
}

}  // namespace
}  // namespace pixlin
