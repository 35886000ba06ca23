#include "bench_texts.h"

#include <cstdint>
#include <string_view>

namespace tarvek::bench {

namespace {

// A fixed generator, so every run measures the same bytes.
class Random {
public:
    std::uint32_t Next(std::uint32_t bound)
    {
        state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<std::uint32_t>((state_ >> 33) % bound);
    }

private:
    std::uint64_t state_ = 0x5EED;
};

constexpr std::string_view kWords[] = {
    "the",    "and",      "Sender",  "Wetterbericht", "kHz",   "USB",    "LSB",   "RTTY",
    "Ostsee", "weather",  "report",  "Fax",           "Hamburg", "Pinneberg", "forecast",
    "Europe", "coast",    "station", "Utility",       "DWD",   "schedule", "news", "of",
    "from",   "received", "signal",  "strong",        "fading", "via",   "antenna",
};

template <typename AppendWord>
std::string Filler(std::size_t size, AppendWord appendWord)
{
    Random random;
    std::string text;
    text.reserve(size + 64);
    std::size_t lineStart = 0;
    while (text.size() < size) {
        const std::uint32_t kind = random.Next(10);
        if (kind < 7) {
            appendWord(text, random);
        } else if (kind == 7) {
            text += std::to_string(random.Next(24)) + ':' + std::to_string(10 + random.Next(50));
        } else {
            text += std::to_string(random.Next(30000)) + '.' + std::to_string(random.Next(10));
        }
        if (text.size() - lineStart > 70) {
            text += "\r\n";
            lineStart = text.size();
        } else {
            text += ' ';
        }
    }
    text.resize(size);
    return text;
}

void AppendWesternWord(std::string& text, Random& random)
{
    text += kWords[random.Next(std::size(kWords))];
}

// Lead bytes 0x81-0x9F and 0xE0-0xEF, trail bytes 0x40-0xFC without 0x7F.
void AppendJapaneseRun(std::string& text, Random& random)
{
    for (std::uint32_t n = 1 + random.Next(6); n > 0; --n) {
        const std::uint32_t lead = random.Next(2) ? 0x81 + random.Next(0x1F) : 0xE0 + random.Next(0x10);
        std::uint32_t trail = 0x40 + random.Next(0xBC);
        if (trail >= 0x7F)
            ++trail;
        text += static_cast<char>(lead);
        text += static_cast<char>(trail);
    }
}

}  // namespace

std::string WesternFiller(std::size_t size) { return Filler(size, AppendWesternWord); }

std::string DoubleByteFiller(std::size_t size)
{
    return Filler(size, [](std::string& text, Random& random) {
        if (random.Next(2))
            AppendJapaneseRun(text, random);
        else
            AppendWesternWord(text, random);
    });
}

std::string EntryTail()
{
    return "KLINGENFUSS Frequency Database\r\n"
           "Frequency: 6070.00 kHz\r\n"
           "Call: DCF77\r\n"
           "Station: Radio Mainflingen\r\n"
           "TX-Site: Mainflingen\r\n"
           "Country: Germany\r\n"
           "Modulation: USB\r\n";
}

std::string TypicalEntry()
{
    std::string text = EntryTail();
    text += "Remarks: ";
    text += WesternFiller(900);
    text += "\r\n";
    return text;
}

}  // namespace tarvek::bench
