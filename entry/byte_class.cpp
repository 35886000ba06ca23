#include "byte_class.h"

namespace tarvek {

ByteClass::ByteClass(const CodePage& codePage, std::uint8_t target)
    : upper_(codePage.UpperTable()), target_(target)
{
    const auto add = [this](std::uint8_t byte) {
        if (count_ < members_.size())
            members_[count_] = byte;
        ++count_;
    };
    bool targetListed = false;
    for (std::uint8_t byte : codePage.BytesUpperCasingTo(target)) {
        targetListed = targetListed || byte == target;
        add(byte);
    }
    if (!targetListed)
        add(target);
}

}  // namespace tarvek
