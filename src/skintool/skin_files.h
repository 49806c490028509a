#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace pixlin::skintool {

struct SkinFile {
    std::filesystem::path path;
    bool present = false;
    // Why a file that is there cannot be read (no permission, a folder of the name, ...); empty otherwise.
    std::string unreadable;
    std::uint64_t size = 0;
    std::string bytes;
    // False when only the file's first bytes were read.
    bool whole = false;

    std::optional<std::string_view> Bytes() const {
        return present ? std::optional<std::string_view>(bytes) : std::nullopt;
    }
};

struct SkinFiles {
    SkinFile layout;
    SkinFile picture;
    SkinFile sound;
};

// Reads the skin's three files from the folder. A layout or picture larger than any the picker takes is not read
// whole, nor is more of a sound read than its header needs.
SkinFiles ReadSkinFiles(const std::filesystem::path& folder);

}  // namespace pixlin::skintool
