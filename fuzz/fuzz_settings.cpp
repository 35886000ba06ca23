// Feeds arbitrary "WindowPos" values to the settings scanner. Whatever is
// read must survive a round trip through the stored format unchanged, and a
// stored value always fits the profile's read buffer.

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "settings_format.h"

namespace {

void Check(bool condition)
{
    if (!condition)
        std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const tarvek::WindowPlacement placement = tarvek::ScanWindowPos(text);
    const std::string stored = tarvek::FormatWindowPos(placement);
    if (!placement.IsValid()) {
        Check(stored.empty() && placement == tarvek::WindowPlacement{});
        return 0;
    }
    Check(stored.size() <= 117);
    Check(stored.find_first_not_of("0123456789,-") == std::string::npos);
    Check(tarvek::ScanWindowPos(stored) == placement);
    Check(tarvek::FormatWindowPos(tarvek::ScanWindowPos(stored)) == stored);
    return 0;
}
