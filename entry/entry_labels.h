#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace tarvek {

// The word that makes a clipboard text an entry.
inline constexpr std::string_view kKeyword = "KLINGENFUSS";

// Every label the parser looks for. Each ends in ":", which the search
// relies on. Three fields have a German label, read only when the English
// one occurs nowhere in the text.
enum class Label { Frequency, Frequenz, Call, Station, TxSite, Sendeort, Country, Land, Modulation };

inline constexpr std::size_t kLabelCount = 9;

inline constexpr std::array<std::string_view, kLabelCount> kLabelTexts = {
    "FREQUENCY:", "FREQUENZ:", "CALL:", "STATION:", "TX-SITE:",
    "SENDEORT:",  "COUNTRY:",  "LAND:", "MODULATION:",
};

inline constexpr bool IsGermanFallback(Label label)
{
    return label == Label::Frequenz || label == Label::Sendeort || label == Label::Land;
}

inline constexpr std::string_view LabelText(Label label)
{
    return kLabelTexts[static_cast<std::size_t>(label)];
}

}  // namespace tarvek
