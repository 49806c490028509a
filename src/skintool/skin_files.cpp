#include "skintool/skin_files.h"

#include <algorithm>
#include <cerrno>
#include <fstream>
#include <system_error>

#include "core/layout/skin_limits.h"
#include "skintool/finding.h"

namespace pixlin::skintool {
namespace {

constexpr std::uint64_t kHeadBytes = 1u << 20;

SkinFile ReadSkinFile(const std::filesystem::path& path, std::uint64_t maxBytes) {
    SkinFile file;
    file.path = path;
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(path, error);
    if (!std::filesystem::exists(status)) {
        return file;
    }
    if (!std::filesystem::is_regular_file(status)) {
        file.unreadable = "it is a folder or device, not a file";
        return file;
    }
    file.size = std::filesystem::file_size(path, error);
    std::ifstream stream(path, std::ios::binary);
    if (error || !stream) {
        // The stream gives no reason; the system's last error is the open's.
        file.unreadable = std::generic_category().message(errno);
        return file;
    }
    file.present = true;
    file.whole = file.size <= maxBytes;
    file.bytes.resize(static_cast<std::size_t>(std::min(file.size, file.whole ? file.size : kHeadBytes)));
    stream.read(file.bytes.data(), static_cast<std::streamsize>(file.bytes.size()));
    file.bytes.resize(static_cast<std::size_t>(stream.gcount()));
    return file;
}

}  // namespace

SkinFiles ReadSkinFiles(const std::filesystem::path& folder) {
    return SkinFiles{ReadSkinFile(folder / kLayoutFile, kMaxLayoutBytes),
                     ReadSkinFile(folder / kPictureFile, kMaxPictureFileBytes),
                     ReadSkinFile(folder / kSoundFile, kHeadBytes)};
}

}  // namespace pixlin::skintool
