#include <charconv>
#include <string>

#include "plain_entry.h"

namespace tarvek::plain {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool IsWhiteSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// Reads the number at the start of `value` by its grammar and hands exactly
// the characters it covers to std::from_chars, after turning a "d" exponent
// into "e" and dropping a leading "+", the two things from_chars does not
// take. Returns 0.0 when there is no number.
double LeadingNumber(std::string_view value)
{
    std::size_t i = 0;
    while (i < value.size() && IsWhiteSpace(value[i]))
        ++i;
    std::string number;
    if (i < value.size() && (value[i] == '+' || value[i] == '-')) {
        if (value[i] == '-')
            number += '-';
        ++i;
    }
    int digits = 0;
    while (i < value.size() && IsDigit(value[i])) {
        number += value[i++];
        ++digits;
    }
    if (i < value.size() && value[i] == '.') {
        number += value[i++];
        while (i < value.size() && IsDigit(value[i])) {
            number += value[i++];
            ++digits;
        }
    }
    if (digits == 0)
        return 0.0;
    if (i < value.size() &&
        (value[i] == 'e' || value[i] == 'E' || value[i] == 'd' || value[i] == 'D')) {
        std::size_t j = i + 1;
        std::string exponent = "e";
        if (j < value.size() && (value[j] == '+' || value[j] == '-'))
            exponent += value[j++];
        if (j < value.size() && IsDigit(value[j])) {
            while (j < value.size() && IsDigit(value[j]))
                exponent += value[j++];
            number += exponent;
        }
    }
    double result = 0.0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), result);
    if (error == std::errc::result_out_of_range) {
        // Too large is "one million or more", too small is nearly zero: either
        // way the frequency below comes out as 0.
        return -1.0;
    }
    return result;
}

}  // namespace

std::int32_t FrequencyFromText(std::string_view value)
{
    if (value.empty())
        return 0;
    const double d = LeadingNumber(value);
    if (!(0.0 <= d && d < 1000000.0))
        return 0;
    const double product = d * 1000.0;
    const double sum = product + 0.1;
    return static_cast<std::int32_t>(sum);
}

}  // namespace tarvek::plain
