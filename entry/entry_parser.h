#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

#include "code_page.h"
#include "entry_fields.h"

namespace tarvek {

struct ParsedEntry {
    bool isEntry = false;
    EntryFields fields;  // meaningless unless isEntry
};

// Decides whether `text` is a database entry (it holds "KLINGENFUSS" in any
// case) and picks out its labelled values. The text ends at its first zero
// byte. Malformed values degrade to empty texts and a zero frequency.
ParsedEntry ParseEntry(std::string_view text, const CodePage& codePage);

enum class ValueKind {
    Number,  // ends at a space or "["
    Line,    // ends at a line feed or a carriage return
};

// Each value is gathered into a scratch area of this many bytes, so it may
// hold at most kValueCapacity - 1 characters.
inline constexpr std::size_t kValueCapacity = 128;

// Reads the value that starts at `start` in `text`: leading spaces and tabs
// are skipped, then characters are taken up to the one that ends a value of
// this kind. Fails when the text ends first or the value would not fit into
// `capacity` - 1 characters. The result is a view into `text`.
std::optional<std::string_view> ExtractValue(ValueKind kind, std::string_view text,
                                             std::size_t start,
                                             std::size_t capacity = kValueCapacity);

}  // namespace tarvek
