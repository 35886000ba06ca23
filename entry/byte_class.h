#pragma once

#include <array>
#include <cstdint>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "code_page.h"

namespace tarvek {

// The bytes of a text that may stand for one byte of a label once the text
// is upper-cased: those the code page upper-cases to it, and the byte itself,
// which the second byte of a double-byte character keeps unchanged. Such a
// class usually has two members ("K" and "k"); a code page may add a few more
// (Turkish folds its dotless i onto "I").
class ByteClass {
public:
    ByteClass(const CodePage& codePage, std::uint8_t target);

    bool Contains(std::uint8_t byte) const { return upper_[byte] == target_ || byte == target_; }

#if defined(__SSE2__)
    // Each matcher gives 0xFF in every lane whose byte is a member.

    // A class of one byte, as ":" usually is.
    struct OneByte {
        __m128i member;
        __m128i operator()(__m128i block) const { return _mm_cmpeq_epi8(block, member); }
    };

    // Two members one bit apart, as "K" and "k": setting that bit in every
    // byte folds both onto one value.
    struct FoldedPair {
        __m128i bit;
        __m128i folded;
        __m128i operator()(__m128i block) const
        {
            return _mm_cmpeq_epi8(_mm_or_si128(block, bit), folded);
        }
    };

    // Up to four members of any kind.
    struct AnyOfFour {
        __m128i members[4];
        __m128i operator()(__m128i block) const
        {
            const __m128i a = _mm_or_si128(_mm_cmpeq_epi8(block, members[0]),
                                           _mm_cmpeq_epi8(block, members[1]));
            const __m128i b = _mm_or_si128(_mm_cmpeq_epi8(block, members[2]),
                                           _mm_cmpeq_epi8(block, members[3]));
            return _mm_or_si128(a, b);
        }
    };

    // Calls use(matcher) with the cheapest matcher for this class and returns
    // true, or returns false when the class is too big for a vector compare.
    template <typename Use>
    bool WithMatcher(Use use) const
    {
        switch (count_) {
        case 1:
            use(OneByte{_mm_set1_epi8(Signed(members_[0]))});
            return true;
        case 2:
            if (const std::uint8_t bit = members_[0] ^ members_[1]; (bit & (bit - 1)) == 0) {
                use(FoldedPair{_mm_set1_epi8(Signed(bit)), _mm_set1_epi8(Signed(members_[0] | bit))});
                return true;
            }
            [[fallthrough]];
        case 3:
        case 4: {
            AnyOfFour matcher;
            // Unused lanes repeat a member.
            for (std::size_t i = 0; i < 4; ++i)
                matcher.members[i] = _mm_set1_epi8(Signed(members_[i < count_ ? i : 0]));
            use(matcher);
            return true;
        }
        default:
            return false;
        }
    }
#endif

private:
    static char Signed(std::uint8_t byte) { return static_cast<char>(byte); }

    const CodePage::ByteTable& upper_;
    std::uint8_t target_;
    std::array<std::uint8_t, 4> members_{};  // the first four members
    std::size_t count_ = 0;                  // all members
};

}  // namespace tarvek
