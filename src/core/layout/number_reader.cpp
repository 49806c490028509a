#include "core/layout/number_reader.h"

#include <algorithm>
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <string>
#include <system_error>

namespace pixlin {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Walks the text as if its blanks had been removed.
class BlankSkippingCursor {
public:
    explicit BlankSkippingCursor(std::string_view text) : text_(text) { SkipBlanks(); }

    bool AtEnd() const { return pos_ == text_.size(); }
    char Peek() const { return text_[pos_]; }
    bool PeekIs(char c) const { return !AtEnd() && Peek() == c; }
    bool PeekIsDigit() const { return !AtEnd() && IsDigit(Peek()); }
    std::size_t Position() const { return pos_; }

    void Advance() {
        ++pos_;
        SkipBlanks();
    }

private:
    void SkipBlanks() {
        while (pos_ < text_.size() && IsBlank(text_[pos_])) {
            ++pos_;
        }
    }

    std::string_view text_;
    std::size_t pos_ = 0;
};

// Where the number lies in the text (blanks inside it included) and, for telling an overflow from an underflow,
// the power of ten of its first significant digit.
struct NumberSpan {
    std::size_t begin = 0;
    std::size_t end = 0;
    bool hasDigits = false;
    std::int64_t magnitude = 0;
};

// Large enough that no double is affected, small enough that adding a digit count of any text cannot overflow.
constexpr std::int64_t kExponentCap = 1'000'000'000;

NumberSpan FindNumber(std::string_view text) {
    BlankSkippingCursor cursor(text);
    NumberSpan span;
    span.begin = cursor.Position();

    if (cursor.PeekIs('+') || cursor.PeekIs('-')) {
        cursor.Advance();
    }

    std::int64_t integerDigits = 0;         // counted from the first non-zero digit
    std::int64_t leadingFractionZeros = 0;  // zeros after the point before the first non-zero digit
    bool seenNonZero = false;
    bool seenPoint = false;
    while (cursor.PeekIsDigit() || (!seenPoint && cursor.PeekIs('.'))) {
        const char c = cursor.Peek();
        if (c == '.') {
            seenPoint = true;
        } else {
            span.hasDigits = true;
            if (c != '0') {
                seenNonZero = true;
            }
            if (!seenPoint && seenNonZero) {
                ++integerDigits;
            } else if (seenPoint && !seenNonZero) {
                ++leadingFractionZeros;
            }
        }
        cursor.Advance();
    }
    if (!span.hasDigits) {
        return span;
    }
    span.end = cursor.Position();

    std::int64_t exponent = 0;
    if (cursor.PeekIs('e') || cursor.PeekIs('E')) {
        cursor.Advance();
        bool negative = false;
        if (cursor.PeekIs('+') || cursor.PeekIs('-')) {
            negative = cursor.Peek() == '-';
            cursor.Advance();
        }
        // An exponent mark without digits is not part of the number.
        if (cursor.PeekIsDigit()) {
            while (cursor.PeekIsDigit()) {
                exponent = std::min(exponent * 10 + (cursor.Peek() - '0'), kExponentCap);
                cursor.Advance();
            }
            span.end = cursor.Position();
        }
        if (negative) {
            exponent = -exponent;
        }
    }
    span.magnitude = (integerDigits > 0 ? integerDigits - 1 : -(leadingFractionZeros + 1)) + exponent;
    return span;
}

}  // namespace

std::optional<double> ReadLayoutNumber(std::string_view text) {
    const NumberSpan span = FindNumber(text);
    if (!span.hasDigits) {
        return 0.0;
    }
    std::string_view number = text.substr(span.begin, span.end - span.begin);
    std::string compacted;
    if (std::any_of(number.begin(), number.end(), IsBlank)) {
        compacted.reserve(number.size());
        std::copy_if(number.begin(), number.end(), std::back_inserter(compacted), [](char c) { return !IsBlank(c); });
        number = compacted;
    }
    // from_chars takes a minus sign but no plus sign.
    if (number.front() == '+') {
        number.remove_prefix(1);
    }

    double value = 0.0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        if (span.magnitude >= 0) {
            return std::nullopt;
        }
        return 0.0;
    }
    return value;
}

}  // namespace pixlin
