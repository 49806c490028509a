#include "skintool/text_fit_findings.h"

#include <string>

#include "skintool/label_text.h"
#include "skintool/widest_texts.h"

namespace pixlin::skintool {

Findings TextFitFindings(const WindowLayout& layout) {
    Findings findings;
    if (const std::string problem = FontProblem(); !problem.empty()) {
        findings.push_back(Finding{Severity::Info, std::string(kLayoutFile), 0, "text-width-unchecked",
                                   "the texts' widths are not checked: " + problem, ""});
        return findings;
    }
    for (const PlacedControl& control : layout.controls) {
        const std::int32_t boxWidth = control.box.right - control.box.left;
        if (!control.control || !control.foreColor || boxWidth <= 0 || control.box.bottom <= control.box.top) {
            continue;
        }
        const std::optional<MeasuredText> widest = WidestText(*control.control);
        if (!widest) {
            continue;
        }
        const ControlFont font = FontOf(*control.control);
        // The name box keeps its inner margins clear of text on both sides.
        const bool nameBox = control.role == ControlRole::NameBox;
        const std::int32_t margin = nameBox ? EditMargin(LabelFont{font, 96}).value_or(0) : 0;
        const std::int32_t needed = widest->width + 2 * margin;
        if (needed <= boxWidth) {
            continue;
        }
        const std::string margins =
            nameBox ? " and keeps " + std::to_string(margin) + " pixels clear of text on each side" : "";
        const std::string key(control.key);
        findings.push_back(Finding{
            Severity::Warning, std::string(kLayoutFile), control.line, "text-cut",
            "the " + control.name + "'s widest text \"" + widest->text + "\" is " + std::to_string(widest->width) +
                " pixels wide in " + FontName(font) + "; the box is " + std::to_string(boxWidth) + " pixels wide" +
                margins + (control.named ? "" : " (no layout line places it: it keeps its built-in place)") +
                ", so the picker cuts the text at its edge",
            control.named ? "make the box at least " + std::to_string(needed) + " pixels wide on line " +
                                std::to_string(control.line)
                          : "place it with a line \"" + key + "=left,top," + std::to_string(needed) + ",height...\""});
    }
    return findings;
}

}  // namespace pixlin::skintool
