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

    // Whether the members fit the vector compare below; otherwise callers
    // test byte by byte with Contains.
    bool FitsVector() const { return fitsVector_; }

#if defined(__SSE2__)
    // 0xFF in each lane whose byte is a member.
    __m128i Match(__m128i block) const
    {
        __m128i any = _mm_cmpeq_epi8(block, members_[0]);
        for (std::size_t i = 1; i < kVectorMembers; ++i)
            any = _mm_or_si128(any, _mm_cmpeq_epi8(block, members_[i]));
        return any;
    }
#endif

private:
    static constexpr std::size_t kVectorMembers = 4;

    const CodePage::ByteTable& upper_;
    std::uint8_t target_;
    bool fitsVector_ = false;
#if defined(__SSE2__)
    __m128i members_[kVectorMembers];
#endif
};

}  // namespace tarvek
