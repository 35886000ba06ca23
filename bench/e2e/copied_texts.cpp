#include "copied_texts.h"

#include <algorithm>
#include <cstdio>

namespace tarvek::bench {
namespace {

constexpr std::size_t kDigits = 6;
constexpr char kStationPrefix[] = "bench ";

// The entry; '#' marks where the copy's number goes.
constexpr std::string_view kEntry =
    "KLINGENFUSS Radio Utility Guide\r\n"
    "Frequency: 4583.00 kHz [USB]\r\n"
    "Call: DDK2\r\n"
    "Station: bench ######\r\n"
    "TX-Site: Pinneberg\r\n"
    "Country: Germany\r\n"
    "Modulation: RTTY 50 Bd 450 Hz\r\n";

// Log lines as a user might copy them from a server's log: no keyword, no
// label (their colons follow digits).
constexpr std::string_view kFillerLine = "2026-12-11 09:07:20.481 worker 3 served 4096 bytes to 10.0.0.7 in 12 ms\r\n";

std::string Digits(unsigned copy)
{
    char digits[kDigits + 1];
    std::snprintf(digits, sizeof digits, "%0*u", static_cast<int>(kDigits), copy % 1000000u);
    return digits;
}

}  // namespace

NumberedEntryText::NumberedEntryText(std::size_t totalSize)
{
    text_.reserve(std::max(totalSize, kEntry.size()));
    while (text_.size() + kEntry.size() < totalSize) {
        const std::size_t room = totalSize - kEntry.size() - text_.size();
        text_.append(kFillerLine.substr(0, std::min(room, kFillerLine.size())));
    }
    // A cut filler line must not run into the entry's first line.
    if (!text_.empty() && text_.back() != '\n') {
        text_.back() = '\n';
    }
    numberAt_ = text_.size() + kEntry.find('#');
    text_.append(kEntry);
    Number(0);
}

void NumberedEntryText::Number(unsigned copy)
{
    text_.replace(numberAt_, kDigits, Digits(copy));
}

std::string NumberedEntryText::StationOf(unsigned copy)
{
    return kStationPrefix + Digits(copy);
}

}  // namespace tarvek::bench
