#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

#include "code_page.h"
#include "entry_labels.h"

namespace tarvek {

// Searches that give what a plain search of the upper-cased text gives, one
// search per word from the start, where a match never begins on the second
// byte of a double-byte character, but without making the upper-cased copy
// and reading the text only once per question.

// The text up to its first zero byte, when that part holds the keyword in
// any case; nothing when it does not.
std::optional<std::string_view> TextWithKeyword(std::string_view text, const CodePage& codePage);

inline constexpr std::size_t kNotFound = std::string_view::npos;

// Where each label first occurs (kNotFound when it does not). A German label
// may be reported as not found when its English counterpart occurs, since it
// is then never read.
using LabelPositions = std::array<std::size_t, kLabelCount>;

LabelPositions FindLabels(std::string_view text, const CodePage& codePage);

}  // namespace tarvek
