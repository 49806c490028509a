#include "skintool/json_report.h"

#include <cstdio>

namespace pixlin::skintool {
namespace {

std::string JsonString(std::string_view text) {
    std::string json = "\"";
    for (const char c : text) {
        switch (c) {
            case '"':
                json += "\\\"";
                break;
            case '\\':
                json += "\\\\";
                break;
            case '\n':
                json += "\\n";
                break;
            case '\r':
                json += "\\r";
                break;
            case '\t':
                json += "\\t";
                break;
            default:
                if (static_cast<unsigned char>(c) < 0x20) {
                    char escaped[8];
                    std::snprintf(escaped, sizeof escaped, "\\u%04X", static_cast<unsigned>(c));
                    json += escaped;
                } else {
                    json += c;
                }
        }
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
