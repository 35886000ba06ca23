#include "plain_entry.h"

#include <cstring>

namespace tarvek::plain {

namespace {

// The upper-cased copy: every byte through the table, except that a lead
// byte and the byte after it stay as they are.
std::string UpperCopy(std::string_view text, const CodePage& codePage)
{
    std::string upper(text);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<std::uint8_t>(text[i]);
        if (codePage.IsDoubleByte() && codePage.IsLeadByte(byte)) {
            ++i;  // the byte after it stays too
            continue;
        }
        upper[i] = static_cast<char>(codePage.Upper(byte));
    }
    return upper;
}

// The first occurrence of `label` in `upper`. In a double-byte code page the
// search moves a whole character at a time; the characters of the copy are
// those of the text.
std::size_t Find(const std::string& upper, std::string_view text, std::string_view label,
                 const CodePage& codePage)
{
    if (!codePage.IsDoubleByte())
        return upper.find(label);
    std::size_t i = 0;
    while (i + label.size() <= upper.size()) {
        if (upper.compare(i, label.size(), label) == 0)
            return i;
        if (codePage.IsLeadByte(static_cast<std::uint8_t>(text[i])))
            i += 2;
        else
            i += 1;
    }
    return std::string::npos;
}

enum Kind { Number, Line };

// Gathers the value into a 128-byte scratch area, as the reading rules go:
// leading blanks skipped, the end character checked before the capacity.
bool Extract(Kind kind, std::string_view text, std::size_t start, std::string& value)
{
    if (start >= text.size())
        return false;
    std::size_t i = start;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        i++;
    char scratch[128];
    std::size_t gathered = 0;
    while (i < text.size()) {
        const char c = text[i];
        const bool ends = kind == Number ? (c == ' ' || c == '[') : (c == '\n' || c == '\r');
        if (ends) {
            value.assign(scratch, gathered);
            return true;
        }
        if (gathered == 127)
            return false;
        scratch[gathered] = c;
        gathered++;
        i++;
    }
    return false;
}

}  // namespace

Entry ParseEntry(std::string_view text, const CodePage& codePage)
{
    const std::size_t zero = text.find('\0');
    if (zero != std::string_view::npos)
        text = text.substr(0, zero);

    const std::string upper = UpperCopy(text, codePage);
    Entry entry;
    if (Find(upper, text, "KLINGENFUSS", codePage) == std::string::npos)
        return entry;
    entry.isEntry = true;

    // Each field: its labels in order, the second only when the first
    // occurs nowhere, then the value right after the label found.
    const auto field = [&](const char* first, const char* second, Kind kind, std::string& out) {
        std::size_t at = Find(upper, text, first, codePage);
        std::size_t length = std::strlen(first);
        if (at == std::string::npos && second != nullptr) {
            at = Find(upper, text, second, codePage);
            length = std::strlen(second);
        }
        if (at == std::string::npos)
            return false;
        return Extract(kind, text, at + length, out);
    };

    std::string frequency;
    if (field("FREQUENCY:", "FREQUENZ:", Number, frequency))
        entry.frequency = FrequencyFromText(frequency);

    entry.hasCall = Find(upper, text, "CALL:", codePage) != std::string::npos;
    field("CALL:", nullptr, Line, entry.call);
    field("STATION:", nullptr, Line, entry.station);
    field("TX-SITE:", "SENDEORT:", Line, entry.site);
    field("COUNTRY:", "LAND:", Line, entry.country);
    field("MODULATION:", nullptr, Line, entry.modulation);
    for (std::string* value : {&entry.station, &entry.call, &entry.site, &entry.country,
                               &entry.modulation})
        if (value->size() > 49)
            value->resize(49);
    return entry;
}

Request BuildRequest(const Entry& entry, int mode)
{
    Request request;
    const auto put = [&](std::size_t offset, const std::string& text) {
        for (std::size_t i = 0; i < text.size(); ++i)
            request.bytes[offset + i] = static_cast<std::uint8_t>(text[i]);
        request.bytes[offset + text.size()] = 0;
    };
    const auto frequency = static_cast<std::uint32_t>(entry.frequency);
    for (int i = 0; i < 4; ++i)
        request.bytes[i] = static_cast<std::uint8_t>(frequency >> (8 * i));
    put(4, entry.station);
    if (entry.hasCall) {
        put(54, entry.call);
        put(104, entry.site);
        put(154, entry.country);
        put(204, entry.modulation);
        put(254, "");
        request.size = 260;
        request.code = mode == 0 ? 1003 : 2003;
    } else {
        put(54, entry.site);
        put(104, entry.country);
        put(154, "");
        request.size = 160;
        request.code = mode == 0 ? 1002 : 2002;
    }
    return request;
}

}  // namespace tarvek::plain
