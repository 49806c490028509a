#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace pixlin {

// Big-endian numbers inside a file's bytes (ICC profiles store theirs so); the caller has checked that they lie
// within it.
inline uint32_t ReadBig16(std::string_view bytes, std::size_t at) noexcept {
    return static_cast<uint32_t>(static_cast<unsigned char>(bytes[at])) << 8 |
           static_cast<uint32_t>(static_cast<unsigned char>(bytes[at + 1]));
}

inline uint32_t ReadBig32(std::string_view bytes, std::size_t at) noexcept {
    return ReadBig16(bytes, at) << 16 | ReadBig16(bytes, at + 2);
}

}  // namespace pixlin
