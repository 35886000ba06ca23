#pragma once

#include <cstdint>
#include <string>

namespace tarvek::soak {

// The clipboard text of change number `index`: entries in both languages,
// with and without a call sign, and texts that are no entry, in a fixed
// pseudo-random mix. Every entry differs from the others, so a request lost,
// repeated or reordered shows in the receiver's log.
std::string SoakText(std::uint32_t index);

}  // namespace tarvek::soak
