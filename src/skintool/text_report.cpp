#include "skintool/text_report.h"

#include <algorithm>

#include "skintool/printable_text.h"

namespace pixlin::skintool {
namespace {

std::string Count(const Findings& findings, Severity severity, std::string_view one, std::string_view many) {
    const auto count = std::count_if(findings.begin(), findings.end(),
                                     [severity](const Finding& finding) { return finding.severity == severity; });
    return std::to_string(count) + " " + std::string(count == 1 ? one : many);
}

}  // namespace

std::string TextReport(std::string_view folder, const Findings& findings) {
    std::string report;
    for (const Finding& finding : findings) {
        report += Printable(finding.file);
        if (finding.line > 0) {
            report += ':';
            report += std::to_string(finding.line);
        }
        report += ": " + std::string(SeverityName(finding.severity)) + ": " + Printable(finding.message) + " [" +
                  finding.kind + "]\n";
        if (!finding.fix.empty()) {
            report += "    fix: " + Printable(finding.fix) + "\n";
        }
    }
    const int status = ExitStatus(findings);
    static constexpr std::string_view kVerdicts[] = {"clean", "warnings", "no usable window"};
    report += Printable(folder) + ": " + Count(findings, Severity::Error, "error", "errors") + ", " +
              Count(findings, Severity::Warning, "warning", "warnings") + ", " +
              Count(findings, Severity::Info, "note", "notes") + " (exit " + std::to_string(status) + ", " +
              std::string(kVerdicts[status]) + ")\n";
    return report;
}

}  // namespace pixlin::skintool
