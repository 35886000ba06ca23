#include "clipboard_text.h"

#include <cstring>

namespace tarvek {

std::string TextUpToZero(const char* bytes, std::size_t size)
{
    const void* zero = std::memchr(bytes, 0, size);
    return std::string(bytes, zero ? static_cast<const char*>(zero) - bytes : size);
}

std::string CopyClipboardText(HANDLE data)
{
    const auto* bytes = static_cast<const char*>(GlobalLock(data));
    if (!bytes) {
        return {};
    }
    std::string text = TextUpToZero(bytes, GlobalSize(data));
    GlobalUnlock(data);
    return text;
}

}  // namespace tarvek
