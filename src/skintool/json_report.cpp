#include "skintool/json_report.h"

#include "skintool/printable_text.h"

namespace pixlin::skintool {
namespace {

// Valid UTF-8 without control characters: Printable has turned those, and bytes that are not UTF-8, into \xNN.
std::string JsonString(std::string_view raw) {
    std::string json = "\"";
    for (const char c : Printable(raw)) {
        if (c == '"' || c == '\\') {
            json += '\\';
        }
        json += c;
    }
    return json + "\"";
}

}  // namespace

std::string JsonReport(std::string_view folder, const Findings& findings) {
    std::string json = "{\n  \"folder\": " + JsonString(folder) +
                       ",\n  \"exit\": " + std::to_string(ExitStatus(findings)) + ",\n  \"findings\": [";
    const char* separator = "\n";
    for (const Finding& finding : findings) {
        json += separator;
        separator = ",\n";
        json += "    {\"severity\": " + JsonString(SeverityName(finding.severity)) +
                ", \"file\": " + JsonString(finding.file) +
                ", \"line\": " + (finding.line > 0 ? std::to_string(finding.line) : std::string("null")) +
                ", \"kind\": " + JsonString(finding.kind) + ", \"message\": " + JsonString(finding.message) +
                ", \"fix\": " + JsonString(finding.fix) + "}";
    }
    json += findings.empty() ? "]\n}\n" : "\n  ]\n}\n";
    return json;
}

}  // namespace pixlin::skintool
