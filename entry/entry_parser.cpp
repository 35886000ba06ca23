#include "entry_parser.h"

#include <string>

#include "entry_search.h"
#include "frequency.h"

namespace tarvek {

namespace {

// The value after the field's label, the German one only when the English
// label occurs nowhere. A failed English value does not fall back.
std::optional<std::string_view> LabelledValue(std::string_view text,
                                              const LabelPositions& positions, Label english,
                                              std::optional<Label> german, ValueKind kind)
{
    for (std::optional<Label> label : {std::optional(english), german}) {
        if (!label)
            break;
        const std::size_t at = positions[static_cast<std::size_t>(*label)];
        if (at != kNotFound)
            return ExtractValue(kind, text, at + LabelText(*label).size());
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
    ParsedEntry result;
    const std::optional<std::string_view> entryText = TextWithKeyword(text, codePage);
    if (!entryText)
        return result;
    text = *entryText;
    result.isEntry = true;

    const LabelPositions positions = FindLabels(text, codePage);
    const auto value = [&](Label english, std::optional<Label> german, ValueKind kind) {
        return LabelledValue(text, positions, english, german, kind);
    };
    EntryFields& fields = result.fields;
    const auto frequency = value(Label::Frequency, Label::Frequenz, ValueKind::Number);
    fields.frequency = frequency ? FrequencyFromText(*frequency) : 0;
    fields.hasCall = positions[static_cast<std::size_t>(Label::Call)] != kNotFound;
    fields.call = TextField(value(Label::Call, std::nullopt, ValueKind::Line));
    fields.station = TextField(value(Label::Station, std::nullopt, ValueKind::Line));
    fields.site = TextField(value(Label::TxSite, Label::Sendeort, ValueKind::Line));
    fields.country = TextField(value(Label::Country, Label::Land, ValueKind::Line));
    fields.modulation = TextField(value(Label::Modulation, std::nullopt, ValueKind::Line));
    return result;
}

}  // namespace tarvek
