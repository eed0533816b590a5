#include "keys/token_numbers.h"

#include <charconv>
#include <cstddef>
#include <limits>

namespace keystrip {
namespace {

bool IsWhiteSpace(char ch) { return ch == ' ' || (ch >= '\t' && ch <= '\r'); }

bool IsDigit(char ch) { return ch >= '0' && ch <= '9'; }

// Reads on through a word, one character at a time; past its end it sees a NUL.
struct Reader {
    std::string_view text;
    std::size_t position = 0;

    char Peek(std::size_t ahead = 0) const {
        return position + ahead < text.size() ? text[position + ahead] : '\0';
    }
    void SkipWhiteSpace() {
        while (IsWhiteSpace(Peek())) ++position;
    }
    // Skips an optional sign; true for "-".
    bool ReadSign() {
        const char ch = Peek();
        if (ch != '+' && ch != '-') return false;
        ++position;
        return ch == '-';
    }
    std::size_t SkipDigits() {
        const std::size_t start = position;
        while (IsDigit(Peek())) ++position;
        return position - start;
    }
};

}  // namespace

std::int32_t ReadRepeatCount(std::string_view word) {
    constexpr std::int64_t kLargest = std::numeric_limits<std::int32_t>::max();
    Reader reader{word};
    reader.SkipWhiteSpace();
    const bool negative = reader.ReadSign();
    std::int64_t value = 0;
    while (IsDigit(reader.Peek())) {
        value = value * 10 + (reader.Peek() - '0');
        if (value > kLargest) value = kLargest + 1;  // saturates, past the sign's reach
        ++reader.position;
    }
    if (negative || value <= 0) return 1;
    return static_cast<std::int32_t>(value > kLargest ? kLargest : value);
}

double ReadRealArgument(std::string_view word) {
    Reader reader{word};
    reader.SkipWhiteSpace();
    const bool negative = reader.ReadSign();
    const std::size_t numberStart = reader.position;

    // Where the first significant digit stands against the decimal point,
    // to tell an overflow from an underflow when the value is out of range.
    std::int64_t magnitude = 0;
    bool significant = false;
    while (IsDigit(reader.Peek())) {
        if (reader.Peek() != '0') significant = true;
        if (significant) ++magnitude;
        ++reader.position;
    }
    std::size_t digits = reader.position - numberStart;
    if (reader.Peek() == '.') {
        ++reader.position;
        while (IsDigit(reader.Peek())) {
            if (!significant && reader.Peek() != '0') significant = true;
            if (!significant) --magnitude;
            ++reader.position;
            ++digits;
        }
    }
    if (digits == 0) return 1.0;
    if ((reader.Peek() == 'e' || reader.Peek() == 'E') &&
        (IsDigit(reader.Peek(1)) ||
         ((reader.Peek(1) == '+' || reader.Peek(1) == '-') && IsDigit(reader.Peek(2))))) {
        ++reader.position;
        const bool negativeExponent = reader.ReadSign();
        std::int64_t exponent = 0;
        while (IsDigit(reader.Peek())) {
            if (exponent < 1'000'000) exponent = exponent * 10 + (reader.Peek() - '0');
            ++reader.position;
        }
        magnitude += negativeExponent ? -exponent : exponent;
    }
    if (!significant || negative) return 1.0;

    const char* first = word.data() + numberStart;
    const char* last = word.data() + reader.position;
    double value = 0.0;
    const std::from_chars_result result = std::from_chars(first, last, value);
    if (result.ec == std::errc::result_out_of_range)
        value = magnitude > 0 ? std::numeric_limits<double>::infinity()
                              : std::numeric_limits<double>::denorm_min();
    return value > 0.0 ? value : 1.0;
}

}  // namespace keystrip
