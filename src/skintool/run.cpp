#include "skintool/run.h"

#include <stb_image_write.h>

#include <charconv>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>

#include "skintool/check.h"
#include "skintool/json_report.h"
#include "skintool/preview.h"
#include "skintool/text_report.h"

namespace pixlin::skintool {
namespace {

// Neither a finding nor a skin: the command line or a file outside the skin is wrong.
constexpr int kUsageStatus = 3;
constexpr double kMinScale = 0.25;
constexpr double kMaxScale = 8.0;
constexpr double kDefaultScale = 2.0;

constexpr std::string_view kUsage =
    "usage: pixlin-skin check DIR [--json]\n"
    "       pixlin-skin preview DIR OUT.png [--scale N]\n"
    "check reports what the picker will do with the skin in DIR (pixlin.dat0, pixlin.dat1, pixlin.dat2);\n"
    "exit status 0 clean, 1 warnings, 2 no usable window, 3 usage.\n"
    "preview draws the skin with its controls into a PNG, N times its size (0.25 to 8, default 2).\n";

std::filesystem::path PathOf(const std::string& utf8) {
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

int Usage(std::string_view complaint) {
    std::cerr << "pixlin-skin: " << complaint << "\n" << kUsage;
    return kUsageStatus;
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
        } else if (!folderArgument) {
            folderArgument = arguments[i];
        } else {
            return Usage("unexpected argument " + arguments[i]);
        }
    }
    if (!folderArgument) {
        return Usage("check needs the skin's folder");
    }
    const std::optional<std::filesystem::path> folder = SkinFolder(*folderArgument);
    if (!folder) {
        return Usage("no folder " + *folderArgument);
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
        } else {
            positional.push_back(arguments[i]);
        }
    }
    if (positional.size() != 2) {
        return Usage("preview needs the skin's folder and the PNG file to write");
    }
    const std::optional<std::filesystem::path> folder = SkinFolder(positional[0]);
    if (!folder) {
        return Usage("no folder " + positional[0]);
    }
    const SkinCheck check = CheckSkin(ReadSkinFiles(*folder));
    if (check.picture.outcome != PictureOutcome::Decoded) {
        std::cerr << "pixlin-skin: the skin bitmap cannot be drawn; run pixlin-skin check for why\n";
        return 2;
    }
    const Image image = DrawPreview(check.picture, check.layout, scale);
    std::string png;
    if (!stbi_write_png_to_func(AppendBytes, &png, image.width, image.height, 3, image.rgb.data(), image.width * 3)) {
        std::cerr << "pixlin-skin: the preview could not be encoded\n";
        return kUsageStatus;
    }
    std::ofstream out(PathOf(positional[1]), std::ios::binary);
    out.write(png.data(), static_cast<std::streamsize>(png.size()));
    if (!out.flush()) {
        std::cerr << "pixlin-skin: cannot write " << positional[1] << "\n";
        return kUsageStatus;
    }
    return ExitStatus(check.findings);
}

}  // namespace

int Run(const std::vector<std::string>& arguments) {
    if (arguments.empty()) {
        return Usage("no command");
    }
    if (arguments[0] == "check") {
        return Check(arguments);
    }
    if (arguments[0] == "preview") {
        return Preview(arguments);
    }
    if (arguments[0] == "--help" || arguments[0] == "-h") {
        std::cout << kUsage;
        return 0;
    }
    return Usage("unknown command " + arguments[0]);
}

}  // namespace pixlin::skintool
