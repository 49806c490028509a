#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace pixlin {

// Big-endian numbers inside a file's bytes; the caller has checked that they lie within it.
inline std::uint32_t ReadBig16(std::string_view bytes, std::size_t at) noexcept {
    return static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at])) << 8 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + 1]));
}

inline std::uint32_t ReadBig32(std::string_view bytes, std::size_t at) noexcept {
    return ReadBig16(bytes, at) << 16 | ReadBig16(bytes, at + 2);
}

inline void AppendBig16(std::string& bytes, std::uint32_t value) {
    bytes += static_cast<char>(value >> 8 & 0xFF);
    bytes += static_cast<char>(value & 0xFF);
}

inline void AppendBig32(std::string& bytes, std::uint32_t value) {
    AppendBig16(bytes, value >> 16);
    AppendBig16(bytes, value & 0xFFFF);
}

}  // namespace pixlin
