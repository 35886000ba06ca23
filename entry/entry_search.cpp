#include "entry_search.h"

#include <bit>
#include <cstdint>

#include "byte_class.h"

namespace tarvek {

namespace {

std::uint8_t ByteAt(std::string_view text, std::size_t at)
{
    return static_cast<std::uint8_t>(text[at]);
}

// Whether a character begins at `at`. Any byte that is not a lead byte ends
// a character, whether it stands alone or is the second byte of a pair, so
// characters begin again right after it; from there lead bytes pair off. The
// answer thus needs only the run of lead bytes just before `at`, and never a
// walk from the start of the text.
bool BeginsCharacter(std::string_view text, std::size_t at, const CodePage& codePage)
{
    if (!codePage.IsDoubleByte())
        return true;
    std::size_t leads = 0;
    while (leads < at && codePage.IsLeadByte(ByteAt(text, at - leads - 1)))
        ++leads;
    return leads % 2 == 0;
}

// Whether the upper-cased text holds `word` at `at`, given that a character
// begins there. The second byte of a double-byte character keeps its case.
bool UpperMatches(std::string_view text, std::size_t at, std::string_view word,
                  const CodePage& codePage)
{
    if (at + word.size() > text.size())
        return false;
    bool secondByte = false;
    for (std::size_t i = 0; i < word.size(); ++i) {
        const std::uint8_t byte = ByteAt(text, at + i);
        const std::uint8_t upper = secondByte ? byte : codePage.Upper(byte);
        if (upper != static_cast<std::uint8_t>(word[i]))
            return false;
        secondByte = !secondByte && codePage.IsLeadByte(byte);
    }
    return true;
}

bool Occurs(std::string_view text, std::size_t at, std::string_view word, const CodePage& codePage)
{
    return UpperMatches(text, at, word, codePage) && BeginsCharacter(text, at, codePage);
}

// Calls visit(p), in increasing order of p, for every position where the
// byte at p is in `first` and the byte at p + distance in `second`, until
// visit returns true. The vector loop looks at 16 positions per step; the
// code page decides whether it can (a class may be too big for it).
template <typename Visit>
void ForEachPair(std::string_view text, const ByteClass& first, const ByteClass& second,
                 std::size_t distance, Visit visit)
{
    const std::size_t size = text.size();
    std::size_t p = 0;
#if defined(__SSE2__)
    if (first.FitsVector() && second.FitsVector()) {
        const char* data = text.data();
        for (; p + 16 + distance <= size; p += 16) {
            const auto load = [&](std::size_t at) {
                return _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + at));
            };
            const __m128i both =
                _mm_and_si128(first.Match(load(p)), second.Match(load(p + distance)));
            for (auto bits = static_cast<unsigned>(_mm_movemask_epi8(both)); bits != 0;
                 bits &= bits - 1)
                if (visit(p + static_cast<std::size_t>(std::countr_zero(bits))))
                    return;
        }
    }
#endif
    for (; p + distance < size; ++p)
        if (first.Contains(ByteAt(text, p)) && second.Contains(ByteAt(text, p + distance)) &&
            visit(p))
            return;
}

}  // namespace

bool ContainsKeyword(std::string_view text, const CodePage& codePage)
{
    // "K" and the "F" seven bytes on rarely meet in other text, so few
    // positions get past this pair to the full comparison.
    constexpr std::size_t kDistance = 7;
    static_assert(kKeyword[0] == 'K' && kKeyword[kDistance] == 'F');
    const ByteClass k(codePage, 'K');
    const ByteClass f(codePage, 'F');
    bool found = false;
    ForEachPair(text, k, f, kDistance, [&](std::size_t at) {
        found = Occurs(text, at, kKeyword, codePage);
        return found;
    });
    return found;
}

LabelPositions FindLabels(std::string_view text, const CodePage& codePage)
{
    LabelPositions positions;
    positions.fill(kNotFound);
    // Once every English label is found, nothing more can change.
    std::size_t englishMissing = 0;
    for (std::size_t i = 0; i < kLabelCount; ++i)
        englishMissing += !IsGermanFallback(static_cast<Label>(i));

    // Every label ends in ":": each colon is checked against the labels not
    // yet found, by the bytes before it. Colons come in order, so the first
    // match of a label is its first occurrence.
    const ByteClass colon(codePage, ':');
    ForEachPair(text, colon, colon, 0, [&](std::size_t colonAt) {
        for (std::size_t i = 0; i < kLabelCount; ++i) {
            const std::string_view label = kLabelTexts[i];
            if (positions[i] != kNotFound || colonAt + 1 < label.size())
                continue;
            const std::size_t at = colonAt + 1 - label.size();
            if (Occurs(text, at, label, codePage)) {
                positions[i] = at;
                englishMissing -= !IsGermanFallback(static_cast<Label>(i));
            }
        }
        return englishMissing == 0;
    });
    return positions;
}

}  // namespace tarvek
