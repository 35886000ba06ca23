#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace tarvek {

// The decimal number at the start of `text`, read by a fixed, locale-free
// grammar: optional white space, an optional sign, digits with an optional
// "." (at least one digit in all), an optional exponent introduced by e, E, d
// or D. Returns nothing when the text does not start with a number. Values
// beyond the range of a double come back as infinity (of the number's sign),
// values too small for one as zero.
std::optional<double> LeadingDecimal(std::string_view text);

// The frequency value of an entry (in kHz) as a whole number of kHz/1000:
// d * 1000 + 0.1 truncated, for 0 <= d < 1000000; otherwise 0.
std::int32_t FrequencyFromText(std::string_view value);

}  // namespace tarvek
