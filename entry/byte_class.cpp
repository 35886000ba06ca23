#include "byte_class.h"


namespace tarvek {

ByteClass::ByteClass(const CodePage& codePage, std::uint8_t target)
    : upper_(codePage.UpperTable()), target_(target)
{
    std::array<std::uint8_t, kVectorMembers> members{};
    std::size_t count = 0;
    bool targetListed = false;
    const auto folding = codePage.BytesUpperCasingTo(target);
    for (std::uint8_t byte : folding) {
        targetListed = targetListed || byte == target;
        if (count < members.size())
            members[count] = byte;
        ++count;
    }
    if (!targetListed) {
        if (count < members.size())
            members[count] = target;
        ++count;
    }
    fitsVector_ = count <= members.size();
#if defined(__SSE2__)
    // Unused slots repeat the target, which is a member anyway.
    for (std::size_t i = 0; i < kVectorMembers; ++i)
        members_[i] = _mm_set1_epi8(static_cast<char>(i < count ? members[i] : target));
#else
    fitsVector_ = false;
#endif
}

}  // namespace tarvek
