#include "frequency.h"

#include <algorithm>
#include <charconv>
#include <cstddef>
#include <limits>
#include <string>

namespace tarvek {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool IsWhiteSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// Exponents saturate here: far beyond the range of a double either way, and
// safe to hand to the conversion.
constexpr long long kExponentLimit = 999999;

}  // namespace

std::optional<double> LeadingDecimal(std::string_view text)
{
    std::size_t i = 0;
    const std::size_t n = text.size();
    while (i < n && IsWhiteSpace(text[i]))
        ++i;

    bool negative = false;
    if (i < n && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }

    // The number is rewritten into the one form std::from_chars accepts
    // ("-123.45e-6"): no "+" sign, no "d" exponent, no leading blanks.
    std::string digits;
    std::size_t integerDigits = 0;
    while (i < n && IsDigit(text[i])) {
        digits += text[i++];
        ++integerDigits;
    }
    if (i < n && text[i] == '.') {
        ++i;
        while (i < n && IsDigit(text[i]))
            digits += text[i++];
    }
    if (digits.empty())
        return std::nullopt;

    long long exponent = 0;
    if (i < n && (text[i] == 'e' || text[i] == 'E' || text[i] == 'd' || text[i] == 'D')) {
        std::size_t j = i + 1;
        bool exponentNegative = false;
        if (j < n && (text[j] == '+' || text[j] == '-')) {
            exponentNegative = text[j] == '-';
            ++j;
        }
        if (j < n && IsDigit(text[j])) {
            for (; j < n && IsDigit(text[j]); ++j)
                exponent = std::min(exponent * 10 + (text[j] - '0'), kExponentLimit);
            if (exponentNegative)
                exponent = -exponent;
        }
    }

    std::string normalized;
    if (negative)
        normalized += '-';
    normalized.append(digits, 0, integerDigits);
    if (integerDigits == 0)
        normalized += '0';
    normalized += '.';
    normalized.append(digits, integerDigits);
    normalized += 'e';
    normalized += std::to_string(exponent);

    double value = 0.0;
    const auto result =
        std::from_chars(normalized.data(), normalized.data() + normalized.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        // Decide between overflow and underflow by the number's magnitude.
        const std::size_t firstNonZero = digits.find_first_not_of('0');
        const long long magnitude = exponent + static_cast<long long>(integerDigits) -
                                    static_cast<long long>(firstNonZero);
        value = magnitude > 0 ? std::numeric_limits<double>::infinity() : 0.0;
        if (negative)
            value = -value;
    } else if (result.ec != std::errc()) {
        return std::nullopt;
    }
    return value;
}

std::int32_t FrequencyFromText(std::string_view value)
{
    const double number = LeadingDecimal(value).value_or(0.0);
    if (!(number >= 0.0 && number < 1000000.0))
        return 0;
    // Two separately rounded double operations; the build forbids contracting
    // them into one fused multiply-add and, on x86, keeps them out of the x87
    // registers, so every build yields the same whole number.
    const double scaled = number * 1000.0;
    const double nudged = scaled + 0.1;
    return static_cast<std::int32_t>(nudged);
}

}  // namespace tarvek
