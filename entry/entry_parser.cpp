#include "entry_parser.h"

#include <string>

#include "frequency.h"

namespace tarvek {

namespace {

constexpr std::string_view kKeyword = "KLINGENFUSS";

// First occurrence of `needle` in the upper-cased text, moving one character
// at a time so that a match never begins on the second byte of a double-byte
// character.
std::optional<std::size_t> FindLabel(std::string_view upper, std::string_view needle,
                                     const CodePage& codePage)
{
    if (!codePage.IsDoubleByte()) {
        const std::size_t at = upper.find(needle);
        if (at == std::string_view::npos)
            return std::nullopt;
        return at;
    }
    for (std::size_t i = 0; i + needle.size() <= upper.size();) {
        if (upper.compare(i, needle.size(), needle) == 0)
            return i;
        i += codePage.IsLeadByte(static_cast<std::uint8_t>(upper[i])) ? 2 : 1;
    }
    return std::nullopt;
}

struct FieldLabels {
    std::string_view first;
    std::string_view second;  // searched only when `first` occurs nowhere
};

// The value of the first label that occurs in the text, or nothing when
// neither does or its value cannot be read. A failed first label does not
// fall back to the second.
std::optional<std::string_view> LabelledValue(std::string_view text, std::string_view upper,
                                              const CodePage& codePage, FieldLabels labels,
                                              ValueKind kind)
{
    for (std::string_view label : {labels.first, labels.second}) {
        if (label.empty())
            break;
        if (const auto at = FindLabel(upper, label, codePage))
            return ExtractValue(kind, text, *at + label.size());
    }
    return std::nullopt;
}

std::string TextField(std::optional<std::string_view> value)
{
    if (!value)
        return {};
    return std::string(value->substr(0, kMaxFieldText));
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

bool EndsValue(ValueKind kind, char c)
{
    if (kind == ValueKind::Number)
        return c == ' ' || c == '[';
    return c == '\n' || c == '\r';
}

}  // namespace

std::optional<std::string_view> ExtractValue(ValueKind kind, std::string_view text,
                                             std::size_t start, std::size_t capacity)
{
    if (start >= text.size())
        return std::nullopt;
    std::size_t i = start;
    while (i < text.size() && IsBlank(text[i]))
        ++i;
    const std::size_t begin = i;
    for (; i < text.size(); ++i) {
        if (EndsValue(kind, text[i]))
            return text.substr(begin, i - begin);
        if (i - begin + 1 >= capacity)
            return std::nullopt;
    }
    return std::nullopt;
}

ParsedEntry ParseEntry(std::string_view text, const CodePage& codePage)
{
    text = text.substr(0, text.find('\0'));

    std::string upper(text.size(), '\0');
    codePage.UpperCase(text.data(), text.size(), upper.data());

    ParsedEntry result;
    if (!FindLabel(upper, kKeyword, codePage))
        return result;
    result.isEntry = true;

    EntryFields& fields = result.fields;
    const auto value = [&](FieldLabels labels, ValueKind kind) {
        return LabelledValue(text, upper, codePage, labels, kind);
    };
    const auto frequency = value({"FREQUENCY:", "FREQUENZ:"}, ValueKind::Number);
    fields.frequency = frequency ? FrequencyFromText(*frequency) : 0;
    fields.hasCall = FindLabel(upper, "CALL:", codePage).has_value();
    fields.call = TextField(value({"CALL:", {}}, ValueKind::Line));
    fields.station = TextField(value({"STATION:", {}}, ValueKind::Line));
    fields.site = TextField(value({"TX-SITE:", "SENDEORT:"}, ValueKind::Line));
    fields.country = TextField(value({"COUNTRY:", "LAND:"}, ValueKind::Line));
    fields.modulation = TextField(value({"MODULATION:", {}}, ValueKind::Line));
    return result;
}

}  // namespace tarvek
