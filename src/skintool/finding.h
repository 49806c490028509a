#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace pixlin::skintool {

enum class Severity { Info, Warning, Error };

// One thing the picker will do with a skin file that its author may not expect. `line` counts lines as an editor
// does (every CR LF, lone CR and lone LF ends one), from 1; 0 when the finding is about the whole file.
struct Finding {
    Severity severity = Severity::Info;
    std::string file;
    std::int32_t line = 0;
    std::string kind;
    std::string message;
    std::string fix;

    bool operator==(const Finding&) const = default;
};

using Findings = std::vector<Finding>;

inline constexpr std::string_view kLayoutFile = "pixlin.dat0";
inline constexpr std::string_view kPictureFile = "pixlin.dat1";
inline constexpr std::string_view kSoundFile = "pixlin.dat2";

std::string_view SeverityName(Severity severity);

// 0 when nothing needs fixing, 1 for warnings, 2 when the skin will not give a usable window.
int ExitStatus(const Findings& findings);

}  // namespace pixlin::skintool
