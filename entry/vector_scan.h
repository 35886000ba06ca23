#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <string_view>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "byte_class.h"

namespace tarvek {

namespace detail {

#if defined(__SSE2__)
// Runs mask(at) over the text 64 bytes at a time, then 16 at a time, and
// calls visit for each marked position in order until it returns true
// (then sets `stopped`). mask(at) reads bytes [at, at + 16 + lookahead).
// Returns where the caller must go on byte by byte.
template <typename Mask, typename Visit>
std::size_t VectorScan(std::size_t size, std::size_t lookahead, Mask mask, Visit visit,
                       bool& stopped)
{
    const auto visitBits = [&](std::size_t base, std::uint64_t bits) {
        for (; bits != 0; bits &= bits - 1)
            if (visit(base + static_cast<std::size_t>(std::countr_zero(bits))))
                return true;
        return false;
    };
    const auto bitsOf = [](__m128i m) {
        return static_cast<std::uint64_t>(static_cast<unsigned>(_mm_movemask_epi8(m)));
    };
    std::size_t p = 0;
    // Most blocks hold no candidate at all; four are tested with one branch.
    for (; p + 64 + lookahead <= size; p += 64) {
        const __m128i m0 = mask(p), m1 = mask(p + 16), m2 = mask(p + 32), m3 = mask(p + 48);
        if (_mm_movemask_epi8(_mm_or_si128(_mm_or_si128(m0, m1), _mm_or_si128(m2, m3))) == 0)
            continue;
        const std::uint64_t bits =
            bitsOf(m0) | bitsOf(m1) << 16 | bitsOf(m2) << 32 | bitsOf(m3) << 48;
        if ((stopped = visitBits(p, bits)))
            return p;
    }
    for (; p + 16 + lookahead <= size; p += 16)
        if ((stopped = visitBits(p, bitsOf(mask(p)))))
            return p;
    return p;
}

inline __m128i Load(const char* at)
{
    return _mm_loadu_si128(reinterpret_cast<const __m128i*>(at));
}
#endif

}  // namespace detail

// Calls visit(p), in increasing order of p, for every position whose byte is
// in `cls`, until visit returns true.
template <typename Visit>
void ForEachInClass(std::string_view text, const ByteClass& cls, Visit visit)
{
    std::size_t p = 0;
    bool stopped = false;
#if defined(__SSE2__)
    cls.WithMatcher([&](auto match) {
        const auto mask = [&](std::size_t at) { return match(detail::Load(text.data() + at)); };
        p = detail::VectorScan(text.size(), 0, mask, visit, stopped);
    });
#endif
    for (; !stopped && p < text.size(); ++p)
        stopped = cls.Contains(static_cast<std::uint8_t>(text[p])) && visit(p);
}

}  // namespace tarvek
