#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "code_page.h"

// A deliberately plain reading of clipboard entries, written step by step
// without any regard for speed, to check the product's parser against. It
// shares nothing with the product but the code page tables.
namespace tarvek::plain {

struct Entry {
    bool isEntry = false;
    std::int32_t frequency = 0;
    std::string station;
    std::string call;
    std::string site;
    std::string country;
    std::string modulation;
    bool hasCall = false;
};

struct Request {
    std::uint32_t code = 0;
    std::uint32_t size = 0;
    std::array<std::uint8_t, 260> bytes{};
};

Entry ParseEntry(std::string_view text, const CodePage& codePage);

// The frequency value in kHz as a whole number of Hz, or 0.
std::int32_t FrequencyFromText(std::string_view value);

Request BuildRequest(const Entry& entry, int mode);

}  // namespace tarvek::plain
