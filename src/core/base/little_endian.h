#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace pixlin {

// Little-endian numbers inside a file's bytes; the caller has checked that they lie within it.
inline uint32_t ReadLittle16(std::string_view bytes, std::size_t at) noexcept {
    return static_cast<uint32_t>(static_cast<unsigned char>(bytes[at])) |
           static_cast<uint32_t>(static_cast<unsigned char>(bytes[at + 1])) << 8;
}

inline uint32_t ReadLittle32(std::string_view bytes, std::size_t at) noexcept {
    return ReadLittle16(bytes, at) | ReadLittle16(bytes, at + 2) << 16;
}

}  // namespace pixlin
