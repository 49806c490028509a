#include "core/palette/json_document.h"

#include <algorithm>

namespace pixlin {
namespace {

// Checks the text without building it, stopping at the first error or at too deep a nesting.
class CheckingSax : public nlohmann::json_sax<nlohmann::json> {
public:
    bool null() override { return true; }
    bool boolean(bool) override { return true; }
    bool number_integer(number_integer_t) override { return true; }
    bool number_unsigned(number_unsigned_t) override { return true; }
    bool number_float(number_float_t, const string_t&) override { return true; }
    bool string(string_t&) override { return true; }
    bool binary(binary_t&) override { return true; }
    bool start_object(std::size_t) override { return Enter(); }
    bool key(string_t&) override { return true; }
    bool end_object() override { return Leave(); }
    bool start_array(std::size_t) override { return Enter(); }
    bool end_array() override { return Leave(); }
    bool parse_error(std::size_t position, const std::string&, const nlohmann::detail::exception&) override {
        errorAt_ = position;
        return false;
    }

    bool TooDeep() const noexcept { return tooDeep_; }
    std::size_t ErrorAt() const noexcept { return errorAt_; }

private:
    bool Enter() noexcept {
        tooDeep_ = ++depth_ > kMaxJsonDepth;
        return !tooDeep_;
    }
    bool Leave() noexcept {
        --depth_;
        return true;
    }

    std::size_t depth_ = 0;
    bool tooDeep_ = false;
    std::size_t errorAt_ = 0;
};

// "line 3, column 14" for the byte at which the parser stopped, counted from 1 as an editor shows it.
std::string Place(std::string_view text, std::size_t position) {
    const std::string_view before = text.substr(0, std::min(position == 0 ? 0 : position - 1, text.size()));
    const std::size_t lineStart = before.find_last_of('\n');
    const std::size_t line = 1 + static_cast<std::size_t>(std::count(before.begin(), before.end(), '\n'));
    const std::size_t column = before.size() - (lineStart == std::string_view::npos ? 0 : lineStart + 1) + 1;
    return "line " + std::to_string(line) + ", column " + std::to_string(column);
}

}  // namespace

JsonDocument ParseJson(std::string_view text) {
    JsonDocument document;
    CheckingSax sax;
    if (!nlohmann::json::sax_parse(text.begin(), text.end(), &sax)) {
        document.error = sax.TooDeep() ? "is nested more than " + std::to_string(kMaxJsonDepth) + " levels deep"
                                       : "is not valid JSON (" + Place(text, sax.ErrorAt()) + ")";
        return document;
    }
    document.value = nlohmann::json::parse(text.begin(), text.end(), nullptr, false);
    if (document.value.is_discarded()) {
        document.value = nullptr;
        document.error = "is not valid JSON";
    }
    return document;
}

std::string JsonText(const nlohmann::json& value) {
    return value.dump(2, ' ', false, nlohmann::json::error_handler_t::replace) + "\n";
}

}  // namespace pixlin
