#pragma once

#include <cstdint>

namespace tarvek {

// The window placement remembered between runs: the system's WINDOWPLACEMENT
// record, field for field. `length` doubles as the validity mark.
struct WindowPlacement {
    static constexpr std::uint32_t kValidLength = 44;

    std::uint32_t length = 0;
    std::uint32_t flags = 0;
    std::uint32_t showCmd = 0;
    std::int32_t minX = 0, minY = 0;
    std::int32_t maxX = 0, maxY = 0;
    std::int32_t left = 0, top = 0, right = 0, bottom = 0;

    bool IsValid() const { return length == kValidLength; }
    bool operator==(const WindowPlacement&) const = default;
};

static_assert(sizeof(WindowPlacement) == WindowPlacement::kValidLength);

}  // namespace tarvek
