#include "skintool/skin_files.h"

#include <algorithm>
#include <fstream>
#include <system_error>

#include "core/skin/skin_limits.h"
#include "skintool/finding.h"

namespace pixlin::skintool {
namespace {

constexpr std::uint64_t kHeadBytes = 1u << 20;

SkinFile ReadSkinFile(const std::filesystem::path& path, std::uint64_t maxBytes) {
    SkinFile file;
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        return file;
    }
    file.size = std::filesystem::file_size(path, error);
    std::ifstream stream(path, std::ios::binary);
    if (error || !stream) {
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
