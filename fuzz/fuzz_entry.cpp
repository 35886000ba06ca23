// Feeds arbitrary clipboard text through the parser and the request builder,
// checks what must hold for every text, and compares the request byte for
// byte with the plain reading of the same text. The first input byte picks
// the code page, the next four the tuning mode.

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "code_page.h"
#include "entry_parser.h"
#include "plain_entry.h"
#include "test_code_pages.h"
#include "tuning_request.h"

namespace {

void Check(bool condition)
{
    if (!condition)
        std::abort();
}

void CheckText(const std::string& text)
{
    Check(text.size() <= tarvek::kMaxFieldText);
    Check(text.find_first_of(std::string_view("\0\r\n", 3)) == std::string::npos);
}

// A slot holds its text, its terminating zero, and zeros after that.
void CheckSlot(const tarvek::TuningRequest& request, std::size_t offset, std::size_t size,
               const std::string& text)
{
    Check(std::memcmp(request.bytes.data() + offset, text.data(), text.size()) == 0);
    for (std::size_t i = offset + text.size(); i < offset + size; ++i)
        Check(request.bytes[i] == 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 5)
        return 0;
    const auto& codePages = tarvek::testing::TestCodePages();
    const tarvek::CodePage& codePage = *codePages[data[0] % codePages.size()].codePage;
    std::int32_t mode = 0;
    std::memcpy(&mode, data + 1, sizeof mode);
    const std::string_view text(reinterpret_cast<const char*>(data + 5), size - 5);

    const tarvek::ParsedEntry parsed = tarvek::ParseEntry(text, codePage);
    const tarvek::plain::Entry plain = tarvek::plain::ParseEntry(text, codePage);
    Check(parsed.isEntry == plain.isEntry);
    if (!parsed.isEntry)
        return 0;
    const tarvek::EntryFields& fields = parsed.fields;
    Check(fields.frequency >= 0 && fields.frequency <= 1000000000);
    for (const std::string* field :
         {&fields.station, &fields.call, &fields.site, &fields.country, &fields.modulation})
        CheckText(*field);
    Check(fields.hasCall || fields.call.empty());

    const tarvek::TuningRequest request = tarvek::BuildTuningRequest(fields, mode);
    const tarvek::plain::Request plainRequest = tarvek::plain::BuildRequest(plain, mode);
    Check(request.code == plainRequest.code && request.size == plainRequest.size);
    Check(std::memcmp(request.bytes.data(), plainRequest.bytes.data(), request.size) == 0);
    const std::uint32_t series = mode == 0 ? 1000 : 2000;
    std::int32_t frequency = 0;
    std::memcpy(&frequency, request.bytes.data(), sizeof frequency);
    Check(frequency == fields.frequency);
    if (fields.hasCall) {
        Check(request.code == series + 3 && request.size == 260);
        CheckSlot(request, 4, 50, fields.station);
        CheckSlot(request, 54, 50, fields.call);
        CheckSlot(request, 104, 50, fields.site);
        CheckSlot(request, 154, 50, fields.country);
        CheckSlot(request, 204, 50, fields.modulation);
        CheckSlot(request, 254, 6, {});
    } else {
        Check(request.code == series + 2 && request.size == 160);
        CheckSlot(request, 4, 50, fields.station);
        CheckSlot(request, 54, 50, fields.site);
        CheckSlot(request, 104, 50, fields.country);
        CheckSlot(request, 154, 6, {});
    }
    return 0;
}
