#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace tarvek {

// The two things the entry parser needs to know about the ANSI code page the
// clipboard text is written in: how each single byte upper-cases, and which
// bytes open a double-byte character. Double-byte characters are never
// upper-cased here: every label is plain ASCII, so no match can involve one.
class CodePage {
public:
    using ByteTable = std::array<std::uint8_t, 256>;

    CodePage(const ByteTable& upper, const std::array<bool, 256>& lead);

    std::uint8_t Upper(std::uint8_t byte) const { return upper_[byte]; }
    bool IsLeadByte(std::uint8_t byte) const { return lead_[byte]; }
    bool IsDoubleByte() const { return doubleByte_; }

    const ByteTable& UpperTable() const { return upper_; }

    // Every byte whose upper case is `upper` (lead bytes count as their own
    // upper case). The fast label search compares against these directly.
    std::span<const std::uint8_t> BytesUpperCasingTo(std::uint8_t upper) const
    {
        return {byUpper_.data() + byUpperStart_[upper], byUpper_.data() + byUpperStart_[upper + 1]};
    }

    // Upper-cases bytes [0, size) of `text` into `out` (same length), taking
    // a lead byte and the byte after it together as one unchanged character.
    void UpperCase(const char* text, std::size_t size, char* out) const;

private:
    ByteTable upper_;
    std::array<bool, 256> lead_;
    bool doubleByte_;
    ByteTable byUpper_;  // all bytes, ordered by their upper case
    std::array<std::uint16_t, 257> byUpperStart_;
};

// Windows-1252 (Western European), with Windows' case mapping.
const CodePage& Windows1252();

// A model of a double-byte code page with the lead bytes of code page 932
// (0x81-0x9F and 0xE0-0xFC); only "a" to "z" change case.
const CodePage& DoubleByte932();

}  // namespace tarvek
