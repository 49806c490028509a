#include "skintool/finding.h"

#include <algorithm>

namespace pixlin::skintool {

std::string_view SeverityName(Severity severity) {
    switch (severity) {
        case Severity::Info:
            return "info";
        case Severity::Warning:
            return "warning";
        case Severity::Error:
            return "error";
    }
    return "error";
}

int ExitStatus(const Findings& findings) {
    const auto has = [&findings](Severity severity) {
        return std::any_of(findings.begin(), findings.end(),
                           [severity](const Finding& finding) { return finding.severity == severity; });
    };
    if (has(Severity::Error)) {
        return 2;
    }
    return has(Severity::Warning) ? 1 : 0;
}

}  // namespace pixlin::skintool
