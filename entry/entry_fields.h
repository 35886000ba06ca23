#pragma once

#include <cstdint>
#include <string>

namespace tarvek {

// The values of one Klingenfuss database entry. Texts keep the bytes of the
// clipboard text and are at most kMaxFieldText bytes long.
struct EntryFields {
    std::int32_t frequency = 0;  // kHz times 1000 (i.e. Hz), 0 .. 1000000000
    std::string station;
    std::string call;
    std::string site;
    std::string country;
    std::string modulation;
    bool hasCall = false;  // "CALL:" occurs in the text, whatever its value

    bool operator==(const EntryFields&) const = default;
};

inline constexpr std::size_t kMaxFieldText = 49;

}  // namespace tarvek
