#include "expected_request.h"

#include <cstdint>

#include "entry_parser.h"
#include "request_description.h"
#include "system_code_page.h"
#include "tuning_request.h"

namespace tarvek::e2e {

std::string ExpectedStandInLine(std::string_view text, int mode, HWND sender)
{
    const TuningRequest request = BuildTuningRequest(ParseEntry(text, SystemCodePage()).fields, mode);
    ReceivedRequest received;
    received.code = request.code;
    received.sender = reinterpret_cast<std::uintptr_t>(sender);
    received.bytes = request.bytes.data();
    received.size = request.size;
    return DescribeRequest(received);
}

}  // namespace tarvek::e2e
