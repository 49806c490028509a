#pragma once

#include <nlohmann/json.hpp>

#include <string>
#include <string_view>

namespace pixlin {

// A JSON text from a file, parsed without exceptions. On failure the value is null and `error` says where, as
// "is not valid JSON (line 3, column 14)" or "is nested more than 32 levels deep", to follow the file's description.
struct JsonDocument {
    nlohmann::json value;
    std::string error;
};

// Our files are a few levels deep. The library copes with any depth, but 1 MB of "[" costs it half a second and 40 MB,
// so a first pass refuses deeper nesting before the tree is built.
inline constexpr std::size_t kMaxJsonDepth = 32;

JsonDocument ParseJson(std::string_view text);

// Our own files as UTF-8 text, indented two blanks; a malformed UTF-8 name becomes U+FFFD instead of throwing.
std::string JsonText(const nlohmann::json& value);

}  // namespace pixlin
