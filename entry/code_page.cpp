#include "code_page.h"

#include <algorithm>

namespace tarvek {

CodePage::CodePage(const ByteTable& upper, const std::array<bool, 256>& lead)
    : upper_(upper), lead_(lead), doubleByte_(false)
{
    for (bool isLead : lead_)
        doubleByte_ = doubleByte_ || isLead;
    // A lead byte keeps its value, so the upper-cased copy has the same
    // character boundaries as the original.
    for (int b = 0; b < 256; ++b)
        if (lead_[b])
            upper_[b] = static_cast<std::uint8_t>(b);

    // A counting sort of the bytes by their upper case.
    byUpperStart_.fill(0);
    for (std::uint8_t upper : upper_)
        ++byUpperStart_[upper + 1];
    for (std::size_t u = 1; u < byUpperStart_.size(); ++u)
        byUpperStart_[u] = static_cast<std::uint16_t>(byUpperStart_[u] + byUpperStart_[u - 1]);
    std::array<std::uint16_t, 256> next{};
    std::copy(byUpperStart_.begin(), byUpperStart_.end() - 1, next.begin());
    for (int b = 0; b < 256; ++b)
        byUpper_[next[upper_[b]]++] = static_cast<std::uint8_t>(b);
}

void CodePage::UpperCase(const char* text, std::size_t size, char* out) const
{
    if (!doubleByte_) {
        for (std::size_t i = 0; i < size; ++i)
            out[i] = static_cast<char>(upper_[static_cast<std::uint8_t>(text[i])]);
        return;
    }
    for (std::size_t i = 0; i < size; ++i) {
        const auto byte = static_cast<std::uint8_t>(text[i]);
        if (lead_[byte]) {
            out[i] = text[i];
            if (i + 1 < size) {
                ++i;
                out[i] = text[i];
            }
        } else {
            out[i] = static_cast<char>(upper_[byte]);
        }
    }
}

namespace {

CodePage::ByteTable AsciiUpper()
{
    CodePage::ByteTable table{};
    for (int b = 0; b < 256; ++b)
        table[b] = static_cast<std::uint8_t>(b >= 'a' && b <= 'z' ? b - 'a' + 'A' : b);
    return table;
}

CodePage MakeWindows1252()
{
    CodePage::ByteTable upper = AsciiUpper();
    // Latin-1 letters à..þ (except the division sign) sit 0x20 above their
    // capitals; š, œ, ž and ÿ have capitals elsewhere in the 0x80 row.
    for (int b = 0xE0; b <= 0xFE; ++b)
        if (b != 0xF7)
            upper[b] = static_cast<std::uint8_t>(b - 0x20);
    upper[0x9A] = 0x8A;
    upper[0x9C] = 0x8C;
    upper[0x9E] = 0x8E;
    upper[0xFF] = 0x9F;
    return CodePage(upper, {});
}

CodePage MakeDoubleByte932()
{
    std::array<bool, 256> lead{};
    for (int b = 0x81; b <= 0x9F; ++b)
        lead[b] = true;
    for (int b = 0xE0; b <= 0xFC; ++b)
        lead[b] = true;
    return CodePage(AsciiUpper(), lead);
}

}  // namespace

const CodePage& Windows1252()
{
    static const CodePage codePage = MakeWindows1252();
    return codePage;
}

const CodePage& DoubleByte932()
{
    static const CodePage codePage = MakeDoubleByte932();
    return codePage;
}

}  // namespace tarvek
