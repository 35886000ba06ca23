#include "tuning_request.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace tarvek {

namespace {

// Texts are at most kMaxFieldText bytes; a longer one is cut rather than
// allowed to lose its terminating zero.
template <std::size_t N>
void CopyText(char (&slot)[N], const std::string& text)
{
    static_assert(N > kMaxFieldText);
    const std::size_t length = std::min(text.size(), N - 1);
    std::memcpy(slot, text.data(), length);
    slot[length] = '\0';
}

template <typename Record>
void Store(TuningRequest& request, const Record& record)
{
    request.size = sizeof(Record);
    std::memcpy(request.bytes.data(), &record, sizeof(Record));
}

}  // namespace

TuningRequest BuildTuningRequest(const EntryFields& fields, TuningMode mode)
{
    TuningRequest request;
    const std::uint32_t series = mode == TuneOnly ? 1000 : 2000;
    if (fields.hasCall) {
        CallRecord record{};
        record.frequency = fields.frequency;
        CopyText(record.station, fields.station);
        CopyText(record.call, fields.call);
        CopyText(record.site, fields.site);
        CopyText(record.country, fields.country);
        CopyText(record.modulation, fields.modulation);
        Store(request, record);
        request.code = series + 3;
    } else {
        BasicRecord record{};
        record.frequency = fields.frequency;
        CopyText(record.station, fields.station);
        CopyText(record.site, fields.site);
        CopyText(record.country, fields.country);
        Store(request, record);
        request.code = series + 2;
    }
    return request;
}

}  // namespace tarvek
