#include "entry_search.h"

#include <bit>
#include <cstdint>
#include <optional>

#include "byte_class.h"
#include "vector_scan.h"

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
// walk from the start of the text. It is asked only where a word matched;
// the words hold no lead byte in any real code page, so the runs before two
// matches never overlap and a whole search stays linear in the text.
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

// For each letter, the labels whose last letter before the colon it is: a
// colon is compared against a label only when the byte before it may be
// that letter. Most colons in other text (times, ratios) follow a digit.
constexpr std::array<std::uint16_t, 256> kLabelsByLetterBeforeColon = [] {
    std::array<std::uint16_t, 256> table{};
    for (std::size_t i = 0; i < kLabelCount; ++i) {
        const std::string_view label = kLabelTexts[i];
        table[static_cast<std::uint8_t>(label[label.size() - 2])] |= 1u << i;
    }
    return table;
}();

constexpr std::uint16_t kEnglishLabels = [] {
    std::uint16_t mask = 0;
    for (std::size_t i = 0; i < kLabelCount; ++i)
        if (!IsGermanFallback(static_cast<Label>(i)))
            mask |= 1u << i;
    return mask;
}();

}  // namespace

std::optional<std::string_view> TextWithKeyword(std::string_view text, const CodePage& codePage)
{
    // "K" and the "F" seven bytes on rarely meet in other text, so few
    // positions get past this pair to the full comparison. The same pass
    // stops at a zero byte, where the text ends.
    constexpr std::size_t kDistance = 7;
    static_assert(kKeyword[0] == 'K' && kKeyword[kDistance] == 'F');
    const ByteClass k(codePage, 'K');
    const ByteClass f(codePage, 'F');
    std::optional<std::size_t> keywordAt;
    bool stopped = false;
    const auto visit = [&](std::size_t at) {
        if (text[at] == '\0') {
            text = text.substr(0, at);
            return true;
        }
        if (Occurs(text, at, kKeyword, codePage))
            keywordAt = at;
        return keywordAt.has_value();
    };

    std::size_t p = 0;
#if defined(__SSE2__)
    k.WithMatcher([&](auto isK) {
        f.WithMatcher([&](auto isF) {
            const auto mask = [&](std::size_t at) {
                const __m128i block = detail::Load(text.data() + at);
                const __m128i pair =
                    _mm_and_si128(isK(block), isF(detail::Load(text.data() + at + kDistance)));
                return _mm_or_si128(pair, _mm_cmpeq_epi8(block, _mm_setzero_si128()));
            };
            p = detail::VectorScan(text.size(), kDistance, mask, visit, stopped);
        });
    });
#endif
    for (; !stopped && p < text.size(); ++p) {
        const bool pair = p + kDistance < text.size() && k.Contains(ByteAt(text, p)) &&
                          f.Contains(ByteAt(text, p + kDistance));
        if (text[p] == '\0' || pair)
            stopped = visit(p);
    }
    if (!keywordAt)
        return std::nullopt;
    // No zero byte comes before the keyword; one may still follow it.
    return text.substr(0, text.find('\0', *keywordAt));
}

// Whether the code page folds nothing but "X" and "x" onto each letter that
// may stand before a label's colon; then the vector filter below may look
// for any ASCII letter before a colon.
bool OnlyAsciiFoldsBeforeColon(const CodePage& codePage)
{
    for (std::size_t letter = 'A'; letter <= 'Z'; ++letter) {
        if (kLabelsByLetterBeforeColon[letter] == 0)
            continue;
        const auto folding = codePage.BytesUpperCasingTo(static_cast<std::uint8_t>(letter));
        for (std::uint8_t byte : folding)
            if ((byte | 0x20) != (letter | 0x20))
                return false;
    }
    return true;
}

LabelPositions FindLabels(std::string_view text, const CodePage& codePage)
{
    LabelPositions positions;
    positions.fill(kNotFound);
    std::uint16_t found = 0;

    // Every label ends in ":": each colon is checked against the labels not
    // yet found, by the bytes before it. Colons come in order, so the first
    // match of a label is its first occurrence. Once every English label is
    // found, nothing more can change.
    const auto checkColon = [&](std::size_t colonAt) {
        if (colonAt == 0)
            return false;
        // The byte before the colon stands for its upper case, or for itself
        // as the second byte of a double-byte character.
        const std::uint8_t before = ByteAt(text, colonAt - 1);
        std::uint16_t candidates = (kLabelsByLetterBeforeColon[codePage.Upper(before)] |
                                    kLabelsByLetterBeforeColon[before]) &
                                   ~found;
        for (; candidates != 0; candidates &= candidates - 1) {
            const int i = std::countr_zero(candidates);
            const std::string_view label = kLabelTexts[i];
            if (colonAt + 1 < label.size())
                continue;
            const std::size_t at = colonAt + 1 - label.size();
            if (Occurs(text, at, label, codePage)) {
                positions[i] = at;
                found |= 1u << i;
            }
        }
        return (found & kEnglishLabels) == kEnglishLabels;
    };

    const ByteClass colon(codePage, ':');
    std::size_t from = 0;
    bool stopped = false;
#if defined(__SSE2__)
    // Colons are common in other text (times, ratios) but mostly after a
    // digit or a blank: the vector pass lets through only a colon right
    // after an ASCII letter.
    if (OnlyAsciiFoldsBeforeColon(codePage)) {
        colon.WithMatcher([&](auto isColon) {
            const auto mask = [&](std::size_t at) {
                const __m128i block = detail::Load(text.data() + at);
                const __m128i offset = _mm_sub_epi8(_mm_or_si128(block, _mm_set1_epi8(0x20)),
                                                    _mm_set1_epi8('a'));
                const __m128i letter =
                    _mm_cmpeq_epi8(_mm_min_epu8(offset, _mm_set1_epi8('z' - 'a')), offset);
                return _mm_and_si128(letter, isColon(detail::Load(text.data() + at + 1)));
            };
            const auto visit = [&](std::size_t letterAt) { return checkColon(letterAt + 1); };
            from = detail::VectorScan(text.size(), 1, mask, visit, stopped) + 1;
        });
    }
#endif
    if (from == 0) {
        ForEachInClass(text, colon, checkColon);
        return positions;
    }
    for (std::size_t colonAt = from; !stopped && colonAt < text.size(); ++colonAt)
        stopped = colon.Contains(ByteAt(text, colonAt)) && checkColon(colonAt);
    return positions;
}

}  // namespace tarvek
