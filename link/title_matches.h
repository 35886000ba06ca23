#pragma once

#include <string_view>

namespace tarvek {

// Whether a window title names the receiver control program. The title's
// leading spaces (0x20 only, not tabs) are skipped; then its first n bytes,
// n being the name's length, must equal the name byte for byte, upper and
// lower case distinct. The comparison is bounded like strncmp: it ends early
// where both hold a zero byte, and the end of the title counts as one. So the
// name is a prefix of the title and anything may follow it.
bool TitleMatches(std::string_view title, std::string_view name);

}  // namespace tarvek
