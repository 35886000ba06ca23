#include "entry_text_generator.h"

namespace tarvek::testing {

namespace {

const std::vector<std::string> kLabels = {
    "FREQUENCY:", "FREQUENZ:", "CALL:", "STATION:", "TX-SITE:",
    "SENDEORT:",  "COUNTRY:",  "LAND:", "MODULATION:",
};

// Near misses and labels hidden inside longer words.
const std::vector<std::string> kDecoys = {
    "ISLAND:", "RECALL:", "FREQUENC:", "FREQUENCY", "STATION ", "TX SITE:", "TX-SITE;",
    "SENDE ORT:", "COUNTR:", "MODULATION", "KLINGENFUS", "KLINGEN FUSS", "KLINGENFUSSKLINGENFUSS",
    "CAL:", "LAND", "STATIONSTATION:",
};

const std::vector<std::string> kNumbers = {
    "6070.00", "6070", "9.5", "3.14159", "15.0e3", "1d3", "1D-2", ".5", "0.0001", "0.0009",
    "14.9999999", "999999.999", "999999.9999", "1000000", "999999.99995", "-5", "+5", "+.5",
    "-.0", "-0", "6070,5", "0x1A", "1e", "1e+", "1E-", "e5", ".", "+", "-", "", "inf", "nan",
    "INF", "1e400", "-1e400", "1e-400", "\t\n\v\f\r12", "\n6070", "\r\n6070", "1.", "5.e2",
    "00000000000000000000000123.456", "1e0000000000000000000003", "1d+2", "2.5E+2", "1e5d",
    "123456789012345678901234567890e-25", "0.000000000000000000000000000000000001e39",
    "4.9e-324", "1.7976931348623157e308", "1.8e308", "++1", "+-1", "1..2", "1.2.3",
    "\x85", "7\x82" "a",
};

}  // namespace

EntryTextGenerator::EntryTextGenerator(const CodePage& codePage, std::uint64_t seed)
    : codePage_(codePage), random_(seed), spellings_(256)
{
    for (int b = 1; b < 256; ++b) {
        const auto byte = static_cast<std::uint8_t>(b);
        if (codePage.IsDoubleByte() && codePage.IsLeadByte(byte))
            leads_.push_back(static_cast<char>(b));
        else
            spellings_[codePage.Upper(byte)].push_back(static_cast<char>(b));
    }
}

char EntryTextGenerator::LeadByte()
{
    return leads_.empty() ? '\xE4' : OneOf(leads_);
}

std::string EntryTextGenerator::DoubleByteCharacter()
{
    std::string character(1, LeadByte());
    // Trail bytes may be ASCII letters, even the first one of a label.
    character += Chance(30) ? OneOf(std::vector<char>{'C', 'K', 'S', 'L', 'a', ':', '@'})
                            : static_cast<char>(0x40 + Pick(0xBD));
    return character;
}

// Spells an upper-case word in whatever case, now and then through a byte
// outside ASCII that the code page folds onto the letter.
std::string EntryTextGenerator::Word(std::string_view upperCase)
{
    // All capitals, all small letters, or each letter by chance as a capital,
    // a small letter or any byte that folds onto it.
    const std::size_t style = Pick(10);
    std::string word;
    for (char c : upperCase) {
        const std::size_t letter = style < 4 ? 0 : style < 6 ? 1 : Pick(3);
        const auto& spellings = spellings_[static_cast<std::uint8_t>(c)];
        if (letter == 1 && c >= 'A' && c <= 'Z')
            word += static_cast<char>(c - 'A' + 'a');
        else if (letter == 2 && !spellings.empty())
            word += OneOf(spellings);
        else
            word += c;
    }
    return word;
}

std::string EntryTextGenerator::Label()
{
    std::string prefix;
    if (Chance(20))
        prefix += Chance(50) ? std::string(1, LeadByte()) : DoubleByteCharacter();
    else if (Chance(10))
        prefix += OneOf(std::vector<std::string>{"X", "\xE4", "-", " ", "\t"});
    return prefix + Word(Chance(85) ? OneOf(kLabels) : OneOf(kDecoys));
}

std::string EntryTextGenerator::LineEnd()
{
    return OneOf(std::vector<std::string>{"\r\n", "\n", "\r", "\n\r", "\r\r\n", "", " ", "["});
}

std::string EntryTextGenerator::Number()
{
    std::string number;
    if (Chance(70)) {
        number = OneOf(kNumbers);
    } else {
        const std::string alphabet = "0123456789..eEdD+-";
        const std::size_t length = Pick(Chance(10) ? 140 : 14);
        for (std::size_t i = 0; i < length; ++i)
            number += alphabet[Pick(alphabet.size())];
    }
    if (Chance(20))
        number += OneOf(std::vector<std::string>{"kHz", "\t", "\n", "x", "[x]", "e"});
    return number + OneOf(std::vector<std::string>{" ", "[", " kHz", "", "\r\n", "\n"});
}

// A value of a length around one of the limits: 49 bytes fit a record slot,
// 127 the scratch area.
std::string EntryTextGenerator::Value(bool number)
{
    std::string value;
    if (Chance(60))
        for (std::size_t blanks = Pick(4); blanks > 0; --blanks)
            value += Chance(50) ? ' ' : '\t';
    if (number && Chance(80))
        return value + Number();

    static const std::vector<std::size_t> kLengths = {0, 1, 48, 49, 50, 126, 127, 128, 129, 200};
    const std::size_t length = Chance(50) ? OneOf(kLengths) : Pick(60);
    std::string body;
    while (body.size() < length) {
        const std::size_t kind = Pick(20);
        if (kind == 0 && codePage_.IsDoubleByte())
            body += DoubleByteCharacter();
        else if (kind == 1)
            body += static_cast<char>(0x80 + Pick(0x80));
        else if (kind == 2)
            body += OneOf(std::vector<char>{' ', '\t', '[', ':'});
        else if (kind == 3 && Chance(20))
            body += OneOf(std::vector<char>{'\r', '\n'});
        else
            body += static_cast<char>('0' + Pick(75));
    }
    body.resize(length);  // may split a double-byte character: so be it
    return value + body + LineEnd();
}

std::string EntryTextGenerator::Filler(std::size_t length)
{
    static const std::vector<std::string> kWords = {
        "the ", "Sender ", "kHz ", "USB ", "\r\n", "\n", "  ", "\t", "Ostsee ", "Weather ",
        "12:00 ", "::", "K", "F", "k", "f", "FU", "GEN", "LAND", "CALL", "a:b ", "[1] ",
    };
    std::string filler;
    while (filler.size() < length) {
        const std::size_t kind = Pick(10);
        if (kind < 6)
            filler += OneOf(kWords);
        else if (kind < 8 && codePage_.IsDoubleByte())
            filler += DoubleByteCharacter();
        else
            filler += static_cast<char>(1 + Pick(255));
    }
    return filler;
}

std::string EntryTextGenerator::Text()
{
    std::string text;
    const bool withKeyword = Chance(80);
    const std::size_t pieces = 1 + Pick(14);
    const std::size_t keywordAt = Pick(pieces + 1);
    for (std::size_t piece = 0; piece <= pieces; ++piece) {
        if (withKeyword && piece == keywordAt) {
            if (Chance(15))
                text += LeadByte();
            text += Word("KLINGENFUSS");
            text += LineEnd();
            continue;
        }
        const std::size_t kind = Pick(10);
        if (kind < 6) {
            const std::string label = Label();
            const bool number = label.find_first_of("Yy") != std::string::npos ||
                                label.find_first_of("Zz") != std::string::npos || Chance(10);
            text += label;
            if (Chance(95))
                text += Value(number);
        } else if (kind < 9) {
            text += Filler(Pick(Chance(5) ? 3000 : 40));
        } else {
            text += LineEnd();
        }
    }
    if (Chance(3))
        text.insert(Pick(text.size() + 1), 1, '\0');
    return text;
}

}  // namespace tarvek::testing
