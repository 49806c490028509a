#include "skintool/run.h"

#include <stb_image_write.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <new>
#include <optional>
#include <stdexcept>

#include "skintool/check.h"
#include "skintool/json_report.h"
#include "skintool/label_text.h"
#include "skintool/layout_text.h"
#include "skintool/preview.h"
#include "skintool/printable_text.h"
#include "skintool/text_report.h"

namespace pixlin::skintool {
namespace {

// Neither a finding nor a skin: the command line or a file outside the skin is wrong, or the checker could not
// finish. For preview: nothing was written, as 0 to 2 say the preview was, with check's verdict on the skin.
constexpr int kUsageStatus = 3;
constexpr double kMinScale = 0.25;
constexpr double kMaxScale = 8.0;
constexpr double kDefaultScale = 2.0;

constexpr std::string_view kUsage =
    "usage: pixlin-skin check DIR [--json]\n"
    "       pixlin-skin preview DIR OUT.png [--scale N]\n"
    "check reports what the picker will do with the skin in DIR (pixlin.dat0, pixlin.dat1, pixlin.dat2);\n"
    "exit status 0 clean, 1 warnings, 2 no usable window, 3 usage or the checker could not finish.\n"
    "preview draws the skin with its controls into a PNG, N times its size (0.25 to 8, default 2), at most\n"
    "64 M pixels; it does not write over the skin's own files. Exit status 0 written and the skin clean,\n"
    "1 written and the skin has warnings, 2 written but the skin gives no usable window, 3 nothing written.\n";

std::filesystem::path PathOf(const std::string& utf8) {
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

int Usage(std::string_view complaint) {
    std::cerr << "pixlin-skin: " << complaint << "\n" << kUsage;
    return kUsageStatus;
}

int Help() {
    std::cout << kUsage;
    return 0;
}

bool IsOption(const std::string& argument) {
    return argument.size() > 1 && argument[0] == '-';
}

bool IsHelp(const std::string& argument) {
    return argument == "--help" || argument == "-h";
}

std::optional<std::filesystem::path> SkinFolder(const std::string& argument) {
    std::error_code error;
    const std::filesystem::path folder = PathOf(argument);
    if (!std::filesystem::is_directory(folder, error)) {
        return std::nullopt;
    }
    return folder;
}

int Check(const std::vector<std::string>& arguments) {
    bool json = false;
    std::optional<std::string> folderArgument;
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        if (arguments[i] == "--json") {
            json = true;
        } else if (IsHelp(arguments[i])) {
            return Help();
        } else if (IsOption(arguments[i])) {
            return Usage("unknown option " + Printable(arguments[i]));
        } else if (!folderArgument) {
            folderArgument = arguments[i];
        } else {
            return Usage("unexpected argument " + Printable(arguments[i]));
        }
    }
    if (!folderArgument) {
        return Usage("check needs the skin's folder");
    }
    const std::optional<std::filesystem::path> folder = SkinFolder(*folderArgument);
    if (!folder) {
        return Usage("no folder " + Printable(*folderArgument));
    }
    const SkinCheck check = CheckSkin(ReadSkinFiles(*folder));
    std::cout << (json ? JsonReport(*folderArgument, check.findings) : TextReport(*folderArgument, check.findings));
    return ExitStatus(check.findings);
}

std::optional<double> ReadScale(const std::string& text) {
    double scale = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), scale);
    if (error != std::errc() || end != text.data() + text.size() || !(scale >= kMinScale && scale <= kMaxScale)) {
        return std::nullopt;
    }
    return scale;
}

void AppendBytes(void* context, void* data, int size) {
    static_cast<std::string*>(context)->append(static_cast<const char*>(data), static_cast<std::size_t>(size));
}

// Whether writing to `out` would replace one of the skin's files, or put a file of their name into its folder: the
// names as Windows compares them, whatever case.
bool IsSkinFile(const std::filesystem::path& folder, const std::filesystem::path& out) {
    std::error_code error;
    const std::filesystem::path parent = out.has_parent_path() ? out.parent_path() : std::filesystem::path(".");
    const std::u8string name = out.filename().u8string();
    for (const std::string_view skinFile : {kLayoutFile, kPictureFile, kSoundFile}) {
        const std::filesystem::path path = folder / skinFile;
        if (std::filesystem::equivalent(out, path, error)) {
            return true;
        }
        const bool sameName = name.size() == skinFile.size() &&
                              std::equal(name.begin(), name.end(), skinFile.begin(), [](char8_t a, char b) {
                                  return std::tolower(static_cast<unsigned char>(a)) == b;
                              });
        if (sameName && std::filesystem::equivalent(parent, folder, error)) {
            return true;
        }
    }
    return false;
}

// Writes the whole file or, failing that, leaves none behind. Empty when written, else why not, after a colon.
std::string WriteFile(const std::filesystem::path& out, const std::string& bytes) {
    std::ofstream file(out, std::ios::binary | std::ios::trunc);
    if (!file) {
        const int error = errno;
        return error != 0 ? ": " + Printable(std::strerror(error)) : ": it cannot be opened";
    }
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (file.flush()) {
        return {};
    }
    const int error = errno;
    file.close();
    std::error_code ignored;
    std::filesystem::remove(out, ignored);
    return error != 0 ? ": " + Printable(std::strerror(error)) : ": writing failed";
}

std::string CountOf(std::ptrdiff_t count, std::string_view one, std::string_view many) {
    return std::to_string(count) + " " + std::string(count == 1 ? one : many);
}

// What check would say of the skin, in one clause.
std::string Verdict(const Findings& findings, const std::string& folderArgument) {
    const auto count = [&findings](Severity severity) {
        return std::count_if(findings.begin(), findings.end(),
                             [severity](const Finding& finding) { return finding.severity == severity; });
    };
    const std::ptrdiff_t errors = count(Severity::Error);
    const std::ptrdiff_t warnings = count(Severity::Warning);
    const std::string run = ": run pixlin-skin check " + Printable(folderArgument);
    if (errors > 0) {
        return "the skin has " + CountOf(errors, "error", "errors") + " and " +
               CountOf(warnings, "warning", "warnings") + ", and the picker would not give a usable window with it" +
               run;
    }
    if (warnings > 0) {
        return "the skin has " + CountOf(warnings, "warning", "warnings") + run;
    }
    return "the skin has no warnings";
}

int Preview(const std::vector<std::string>& arguments) {
    double scale = kDefaultScale;
    std::vector<std::string> positional;
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        if (arguments[i] == "--scale") {
            const std::optional<double> read = i + 1 < arguments.size() ? ReadScale(arguments[i + 1]) : std::nullopt;
            if (!read) {
                return Usage("--scale takes a number from 0.25 to 8");
            }
            scale = *read;
            ++i;
        } else if (IsHelp(arguments[i])) {
            return Help();
        } else if (IsOption(arguments[i])) {
            return Usage("unknown option " + Printable(arguments[i]));
        } else {
            positional.push_back(arguments[i]);
        }
    }
    if (positional.size() != 2) {
        return Usage("preview needs the skin's folder and the PNG file to write");
    }
    const std::optional<std::filesystem::path> folder = SkinFolder(positional[0]);
    if (!folder) {
        return Usage("no folder " + Printable(positional[0]));
    }
    const std::filesystem::path out = PathOf(positional[1]);
    if (IsSkinFile(*folder, out)) {
        return Usage(Printable(positional[1]) + " is one of the skin's own files: the preview would replace it");
    }
    if (const std::string problem = FontProblem(); !problem.empty()) {
        std::cerr << "pixlin-skin: nothing written: the sample texts cannot be drawn: " << problem << "\n";
        return kUsageStatus;
    }
    const SkinCheck check = CheckSkin(ReadSkinFiles(*folder));
    if (check.picture.outcome != PictureOutcome::Decoded) {
        std::cerr << "pixlin-skin: nothing written: the skin bitmap cannot be drawn; run pixlin-skin check "
                  << Printable(positional[0]) << " for why\n";
        return kUsageStatus;
    }
    const PreviewSize size = PreviewSizeOf(check.picture, scale);
    if (size.Pixels() > kMaxPreviewPixels) {
        std::cerr << "pixlin-skin: nothing written: a preview of " << size.width << " x " << size.height
                  << " pixels is over the limit of " << (kMaxPreviewPixels >> 20)
                  << " M pixels; choose a smaller --scale\n";
        return kUsageStatus;
    }
    const Image image = DrawPreview(check.picture, check.layout, scale);
    // stb_image_write sizes its buffers in int, (width * 3 + 1) * height bytes: the limit keeps that in range.
    static_assert(kMaxPreviewPixels * 3 + std::uint64_t{kMaxPictureSide} * 8 < INT32_MAX);
    std::string png;
    if (!stbi_write_png_to_func(AppendBytes, &png, image.width, image.height, 3, image.rgb.data(), image.width * 3)) {
        std::cerr << "pixlin-skin: nothing written: the preview could not be encoded\n";
        return kUsageStatus;
    }
    if (const std::string failure = WriteFile(out, png); !failure.empty()) {
        std::cerr << "pixlin-skin: nothing written: cannot write " << Printable(positional[1]) << failure << "\n";
        return kUsageStatus;
    }
    const int status = ExitStatus(check.findings);
    std::cout << "wrote " << Printable(positional[1]) << " (" << check.picture.width << " x " << check.picture.height
              << " at " << NumberText(scale) << "x); " << Verdict(check.findings, positional[0]) << "\n";
    return status;
}

int Commands(const std::vector<std::string>& arguments) {
    if (arguments.empty()) {
        return Usage("no command");
    }
    if (arguments[0] == "check") {
        return Check(arguments);
    }
    if (arguments[0] == "preview") {
        return Preview(arguments);
    }
    if (IsHelp(arguments[0])) {
        return Help();
    }
    return Usage("unknown command " + Printable(arguments[0]));
}

}  // namespace

int Run(const std::vector<std::string>& arguments) {
    try {
        return Commands(arguments);
    } catch (const std::bad_alloc&) {
        std::cerr << "pixlin-skin: out of memory; the check did not finish\n";
    } catch (const std::exception& error) {
        std::cerr << "pixlin-skin: the check did not finish: " << Printable(error.what()) << "\n";
    }
    return kUsageStatus;
}

}  // namespace pixlin::skintool
