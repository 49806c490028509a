#include "core/texts/panel_texts.h"

#include <utility>

#include "core/colour/clr_models.h"
#include "core/colour/oklch.h"
#include "core/design/window_actions.h"
#include "core/texts/paste_texts.h"
#include "core/texts/readout_texts.h"

namespace pixlin {
namespace {

std::string UnclippedOklchText(const std::array<double, 3>& linear) {
    return OklchText(OklchOfLinear(linear[0], linear[1], linear[2]));
}

}  // namespace

PanelTexts MakePanelTexts(const TextsKey& key, const ShownLabels& shown) {
    PanelTexts texts;
    if (!key.colour) {
        return texts;
    }
    cClrModels model;
    Readouts older = MakeReadouts(*key.colour, model);
    auto set = [&texts](Form1Control label, std::string text) { texts.labels[IndexOf(label)] = std::move(text); };
    set(Form1Control::lbl_LONG, std::move(older.longValue));
    set(Form1Control::lbl_RGB, std::move(older.rgb));
    set(Form1Control::lbl_HEX, std::move(older.hex));
    set(Form1Control::lbl_YCBCR, std::move(older.ycbcr));
    set(Form1Control::lbl_CMYK, std::move(older.cmyk));
    set(Form1Control::lbl_CMY, std::move(older.cmy));
    set(Form1Control::lbl_HLS, std::move(older.hls));
    texts.name = std::move(older.name);
    const Rgb channels = RgbOf(*key.colour);
    for (std::size_t i = 0; i < kForm1LabelCount; ++i) {
        const auto label = static_cast<Form1Control>(i);
        if (IsOptional(label) && IsReadout(label) && shown[i]) {
            texts.labels[i] = PasteFormText(label, channels, key.against, key.pair);
        }
    }
    if (key.unclipped && shown[IndexOf(Form1Control::lbl_OKLCH)]) {
        texts.labels[IndexOf(Form1Control::lbl_OKLCH)] = UnclippedOklchText(*key.unclipped);
    }
    return texts;
}

std::string ReadoutTextOf(Form1Control readout, const TextsKey& key) {
    if (!key.colour) {
        return {};
    }
    if (readout == Form1Control::lbl_OKLCH && key.unclipped) {
        return UnclippedOklchText(*key.unclipped);
    }
    cClrModels model;
    return ReadoutText(readout, *key.colour, model, key.against);
}

const PanelTexts& PanelTextCache::TextsFor(const TextsKey& key, const ShownLabels& shown) {
    if (key_ != key || shown_ != shown) {
        texts_ = MakePanelTexts(key, shown);
        key_ = key;
        shown_ = shown;
    }
    return texts_;
}

}  // namespace pixlin
