#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/colour/colour_history.h"
#include "core/palette/colour_store.h"
#include "core/palette/json_palette.h"
#include "palette_check.h"

namespace {

// A kept history of any shape, restored into the window's history, keeps its rules: pins first and at most
// capacity - 1 of them, each colour once, no more entries than places.
void CheckRestored(const pixlin::KeptColours& kept) {
    pixlin::ColourHistory history(8);
    history.Restore(kept.history);
    const auto entries = history.Entries();
    if (entries.size() > 8 || history.PinnedCount() > 7) {
        std::abort();
    }
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (entries[i].pinned != (i < history.PinnedCount())) {
            std::abort();
        }
        for (std::size_t j = 0; j < i; ++j) {
            if (entries[j].colour == entries[i].colour) {
                std::abort();
            }
        }
    }
}

}  // namespace

// One target for both JSON files: they share the parser, and each seed of one is a near miss for the other.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    pixlin::CheckPalette(pixlin::PaletteFormat::Json, pixlin::ReadJsonPalette(bytes));

    const pixlin::StoreRead read = pixlin::ReadColourStore(bytes);
    if ((read.state == pixlin::StoreState::Fine) != read.error.empty() ||
        (read.state != pixlin::StoreState::Fine && !read.colours.history.empty())) {
        std::abort();
    }
    if (read.state == pixlin::StoreState::Fine) {
        const pixlin::StoreRead again = pixlin::ReadColourStore(pixlin::WriteColourStore(read.colours));
        if (again.state != pixlin::StoreState::Fine || again.colours.history != read.colours.history ||
            again.colours.contrast != read.colours.contrast) {
            std::abort();
        }
        CheckRestored(read.colours);
    }
    return 0;
}
