#include "core/palette/colour_store.h"

#include <cstdint>
#include <limits>
#include <optional>

#include "core/colour/css_text.h"
#include "core/palette/json_document.h"

namespace pixlin {
namespace {

constexpr std::string_view kFormat = "pixlin-colours";
constexpr int kVersion = 1;

using nlohmann::json;

StoreRead Refused(StoreState state, std::string error) {
    StoreRead read;
    read.state = state;
    read.error = std::move(error);
    return read;
}

StoreRead Damaged(const std::string& what) {
    return Refused(StoreState::Damaged, "The kept colours file is damaged: " + what + ".");
}

// The member `name` of an object, or nothing when it is missing.
const json* Member(const json& object, std::string_view name) {
    const auto found = object.find(name);
    return found == object.end() ? nullptr : &*found;
}

std::optional<Rgb> HexMember(const json& object, std::string_view name) {
    const json* member = Member(object, name);
    return member && member->is_string() ? ColourOfCssHex(member->get_ref<const std::string&>()) : std::nullopt;
}

std::optional<std::int32_t> Int32Member(const json& object, std::string_view name) {
    const json* member = Member(object, name);
    if (!member || !member->is_number_integer()) {
        return std::nullopt;
    }
    if (member->is_number_unsigned()) {
        const auto value = member->get<std::uint64_t>();
        return value <= std::numeric_limits<std::int32_t>::max() ? std::optional(static_cast<std::int32_t>(value))
                                                                 : std::nullopt;
    }
    const auto value = member->get<std::int64_t>();
    return value >= std::numeric_limits<std::int32_t>::min() && value <= std::numeric_limits<std::int32_t>::max()
               ? std::optional(static_cast<std::int32_t>(value))
               : std::nullopt;
}

// A side of the pair: a colour, or null for a side that follows. False for anything else.
bool ReadSide(const json& contrast, std::string_view name, std::optional<Rgb>& side) {
    const json* member = Member(contrast, name);
    if (!member) {
        return false;
    }
    if (member->is_null()) {
        return true;
    }
    side = HexMember(contrast, name);
    return side.has_value();
}

json Side(const std::optional<Rgb>& colour) {
    return colour ? json(CssHexText(*colour)) : json(nullptr);
}

}  // namespace

std::string WriteColourStore(const KeptColours& colours) {
    json history = json::array();
    for (const HistoryEntry& entry : colours.history) {
        history.push_back({{"hex", CssHexText(entry.colour)},
                           {"x", entry.pickedAt.x},
                           {"y", entry.pickedAt.y},
                           {"pinned", entry.pinned}});
    }
    return JsonText(
        {{"format", kFormat},
         {"version", kVersion},
         {"history", history},
         {"contrast",
          {{"text", Side(colours.contrast.fixedText)}, {"background", Side(colours.contrast.fixedBackground)}}}});
}

StoreRead ReadColourStore(std::string_view bytes) {
    if (bytes.size() > kMaxStoreBytes) {
        return Refused(StoreState::TooLarge,
                       "The kept colours file is larger than 1 MB, far larger than Pixlin "
                       "writes it.");
    }
    const JsonDocument document = ParseJson(bytes);
    if (!document.error.empty()) {
        return Damaged("it " + document.error);
    }
    const json& root = document.value;
    const json* format = root.is_object() ? Member(root, "format") : nullptr;
    if (!format || *format != kFormat) {
        return Refused(StoreState::Foreign,
                       "The kept colours file is no file of Pixlin's: it lacks \"format\": "
                       "\"pixlin-colours\".");
    }
    const json* version = Member(root, "version");
    if (!version || !version->is_number_integer() || *version < 1) {
        return Damaged("it has no \"version\" Pixlin knows");
    }
    if (*version > kVersion) {
        return Refused(StoreState::Newer, "The kept colours file was written by a newer Pixlin (version " +
                                              version->dump() + "); this one reads version 1.");
    }
    const json* history = Member(root, "history");
    if (!history || !history->is_array()) {
        return Damaged("it has no \"history\" list");
    }
    if (history->size() > kMaxStoreEntries) {
        return Damaged("its history holds more than " + std::to_string(kMaxStoreEntries) + " colours");
    }
    StoreRead read;
    for (std::size_t i = 0; i < history->size(); ++i) {
        const json& entry = (*history)[i];
        const bool object = entry.is_object();
        const std::optional<Rgb> colour = object ? HexMember(entry, "hex") : std::nullopt;
        const std::optional<std::int32_t> x = object ? Int32Member(entry, "x") : std::nullopt;
        const std::optional<std::int32_t> y = object ? Int32Member(entry, "y") : std::nullopt;
        const json* pinned = object ? Member(entry, "pinned") : nullptr;
        if (!colour || !x || !y || !pinned || !pinned->is_boolean()) {
            return Damaged("history entry " + std::to_string(i + 1) +
                           " needs \"hex\" like \"#FF8000\", whole numbers \"x\" and \"y\", and \"pinned\" true or "
                           "false");
        }
        read.colours.history.push_back({*colour, Point{*x, *y}, pinned->get<bool>()});
    }
    const json* contrast = Member(root, "contrast");
    if (!contrast || !contrast->is_object() || !ReadSide(*contrast, "text", read.colours.contrast.fixedText) ||
        !ReadSide(*contrast, "background", read.colours.contrast.fixedBackground)) {
        return Damaged("its \"contrast\" needs \"text\" and \"background\", each a colour like \"#FF8000\" or null");
    }
    return read;
}

}  // namespace pixlin
