#include "settings_format.h"

#include <array>
#include <charconv>
#include <cstdint>
#include <optional>

namespace tarvek {
namespace {

constexpr std::size_t kFieldCount = 10;
constexpr std::size_t kUnsignedFields = 2;

// White space as the C library's "C" locale knows it.
bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// One conversion: optional blanks, optional sign, at least one digit. Yields
// the value as the 32 bits the field stores, or nothing when the text holds no
// number or the number does not fit.
std::optional<std::uint32_t> ReadNumber(std::string_view text, std::size_t& pos, bool isUnsigned)
{
    while (pos < text.size() && IsBlank(text[pos])) {
        ++pos;
    }
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    const std::size_t firstDigit = pos;
    std::uint64_t magnitude = 0;
    bool tooLarge = false;
    while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9') {
        magnitude = magnitude * 10 + static_cast<std::uint64_t>(text[pos] - '0');
        if (magnitude > 0xFFFFFFFFull) {
            tooLarge = true;
            magnitude = 0xFFFFFFFFull + 1;  // keeps the loop from overflowing
        }
        ++pos;
    }
    if (pos == firstDigit || tooLarge) {
        return std::nullopt;
    }
    if (isUnsigned) {
        const auto value = static_cast<std::uint32_t>(magnitude);
        return negative ? static_cast<std::uint32_t>(0u - value) : value;
    }
    const std::uint64_t limit = negative ? 0x80000000ull : 0x7FFFFFFFull;
    if (magnitude > limit) {
        return std::nullopt;
    }
    const auto value = static_cast<std::uint32_t>(magnitude);
    return negative ? static_cast<std::uint32_t>(0u - value) : value;
}

std::array<std::uint32_t*, kFieldCount> Fields(WindowPlacement& p)
{
    auto bits = [](std::int32_t& field) { return reinterpret_cast<std::uint32_t*>(&field); };
    return {&p.flags,     &p.showCmd,    bits(p.minX), bits(p.minY),  bits(p.maxX),
            bits(p.maxY), bits(p.left),  bits(p.top),  bits(p.right), bits(p.bottom)};
}

template <typename Number>
void Append(std::string& out, Number value)
{
    std::array<char, 16> digits{};
    const auto result = std::to_chars(digits.data(), digits.data() + digits.size(), value);
    out.append(digits.data(), result.ptr);
}

}  // namespace

int NormaliseTuningMode(int stored)
{
    return stored != 0 ? 1 : 0;
}

std::string FormatWindowPos(const WindowPlacement& p)
{
    std::string out;
    if (!p.IsValid()) {
        return out;
    }
    Append(out, p.flags);
    out += ',';
    Append(out, p.showCmd);
    for (std::int32_t value : {p.minX, p.minY, p.maxX, p.maxY, p.left, p.top, p.right, p.bottom}) {
        out += ',';
        Append(out, value);
    }
    return out;
}

WindowPlacement ScanWindowPos(std::string_view text)
{
    WindowPlacement placement;
    std::array<std::uint32_t*, kFieldCount> fields = Fields(placement);
    std::size_t pos = 0;
    for (std::size_t i = 0; i < kFieldCount; ++i) {
        if (i > 0) {
            if (pos >= text.size() || text[pos] != ',') {
                return {};
            }
            ++pos;
        }
        const std::optional<std::uint32_t> value = ReadNumber(text, pos, i < kUnsignedFields);
        if (!value) {
            return {};
        }
        *fields[i] = *value;
    }
    placement.length = WindowPlacement::kValidLength;
    return placement;
}

}  // namespace tarvek
