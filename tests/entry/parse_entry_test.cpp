#include "entry_parser.h"

#include <gtest/gtest.h>

#include <string>

namespace tarvek {
namespace {

struct EntryCase {
    const char* name;
    std::string text;
    EntryFields expected;
};

EntryFields Fields(std::int32_t frequency, std::string station, std::string call, std::string site,
                   std::string country, std::string modulation, bool hasCall)
{
    return {frequency, station, call, site, country, modulation, hasCall};
}

const std::string kTypical =
    "KLINGENFUSS Frequency Database\r\n"
    "Frequency: 6070.00 kHz\r\n"
    "Call: DCF77\r\n"
    "Station: Radio Mainflingen\r\n"
    "TX-Site: Mainflingen\r\n"
    "Country: Germany\r\n"
    "Modulation: USB\r\n";

void PrintTo(const EntryCase& c, std::ostream* out) { *out << c.name; }

class ParseEntryTest : public ::testing::TestWithParam<EntryCase> {};

TEST_P(ParseEntryTest, PicksOutTheFields)
{
    const ParsedEntry parsed = ParseEntry(GetParam().text, Windows1252());
    ASSERT_TRUE(parsed.isEntry);
    EXPECT_EQ(parsed.fields, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Entries, ParseEntryTest,
    ::testing::Values(
        EntryCase{"Typical", kTypical,
                  Fields(6070000, "Radio Mainflingen", "DCF77", "Mainflingen", "Germany", "USB", true)},
        EntryCase{"KeywordOnly", "klingenfuss", Fields(0, "", "", "", "", "", false)},
        EntryCase{"KeywordInsideWordAnyCase", "xxKlInGeNfUsSxx\nstation: Abc\n",
                  Fields(0, "Abc", "", "", "", "", false)},
        EntryCase{"GermanLabels",
                  "KLINGENFUSS\nFrequenz: 9.5[x]\nSendeort: Berlin\nLand: Deutschland\n",
                  Fields(9500, "", "", "Berlin", "Deutschland", "", false)},
        EntryCase{"EnglishWinsEvenWhenLater",
                  "KLINGENFUSS\nFREQUENZ: 1\nSENDEORT: B\nLAND: D\nFREQUENCY: 2 \nTX-SITE: S\n"
                  "COUNTRY: C\n",
                  Fields(2000, "", "", "S", "C", "", false)},
        EntryCase{"FailedEnglishDoesNotFallBack",
                  "KLINGENFUSS\nFREQUENZ: 1 \nSENDEORT: B\nLAND: D\nCOUNTRY: " +
                      std::string(128, 'c') + "\nTX-SITE: " + std::string(128, 's') +
                      "\nFREQUENCY: 2",
                  Fields(0, "", "", "", "", "", false)},
        EntryCase{"IslandLabelSuppliesCountry", "KLINGENFUSS\nGREENLAND: Nuuk\n",
                  Fields(0, "", "", "", "Nuuk", "", false)},
        EntryCase{"FirstOccurrenceCounts", "KLINGENFUSS\nSTATION: One\nSTATION: Two\n",
                  Fields(0, "One", "", "", "", "", false)},
        EntryCase{"LabelInsideLongerWord", "KLINGENFUSS\nRECALL: back\n",
                  Fields(0, "", "back", "", "", "", true)},
        EntryCase{"EmptyCallStillCounts", "KLINGENFUSS\nCALL:\r\n",
                  Fields(0, "", "", "", "", "", true)},
        EntryCase{"CallAtEndOfText", "KLINGENFUSS\nCALL:", Fields(0, "", "", "", "", "", true)},
        EntryCase{"ValueWithoutLineEndIsEmpty", "KLINGENFUSS\nSTATION: Abc",
                  Fields(0, "", "", "", "", "", false)},
        EntryCase{"ValueWithFinalLf", "KLINGENFUSS\nSTATION: Abc\n",
                  Fields(0, "Abc", "", "", "", "", false)},
        EntryCase{"BlanksAroundValue", "KLINGENFUSS\nSTATION:   A  b  \t\r\n",
                  Fields(0, "A  b  \t", "", "", "", "", false)},
        EntryCase{"FrequencyBeforeBracket", "KLINGENFUSS FREQUENCY: 6070.00[USB]",
                  Fields(6070000, "", "", "", "", "", false)},
        EntryCase{"FrequencyRunsIntoNextLine", "KLINGENFUSS\nFREQUENCY:  6070\nSTATION: X\n",
                  Fields(6070000, "X", "", "", "", "", false)},
        EntryCase{"FrequencyOnNextLine", "KLINGENFUSS\nFREQUENCY:\n6070 kHz\n",
                  Fields(6070000, "", "", "", "", "", false)},
        EntryCase{"FrequencyNextLineStartsWithSpace", "KLINGENFUSS\nFREQUENCY:\n 6070 kHz\n",
                  Fields(0, "", "", "", "", "", false)},
        EntryCase{"FrequencyRunsToEnd", "KLINGENFUSS\nFREQUENCY: 6070\nSTATION:X\n",
                  Fields(0, "X", "", "", "", "", false)},
        EntryCase{"FrequencyValueTooLong",
                  "KLINGENFUSS\nFREQUENCY: 6070\n" + std::string(124, 'y') + " \n",
                  Fields(0, "", "", "", "", "", false)},
        EntryCase{"FrequencyValueJustFits",
                  "KLINGENFUSS\nFREQUENCY: 6070\n" + std::string(122, 'y') + " \n",
                  Fields(6070000, "", "", "", "", "", false)},
        EntryCase{"LongValuesAreCut",
                  "KLINGENFUSS\nSTATION: " + std::string(60, 's') + "\nCALL: " +
                      std::string(127, 'c') + "\nMODULATION: " + std::string(200, 'm') + "\n",
                  Fields(0, std::string(49, 's'), std::string(49, 'c'), "", "", "", true)},
        EntryCase{"ValuesKeepTheirCase", "KLINGENFUSS\nstation: Radio nEW\n",
                  Fields(0, "Radio nEW", "", "", "", "", false)},
        EntryCase{"TextEndsAtZeroByte", std::string("KLINGENFUSS\nSTATION: A\n\0STATION: B\n", 35),
                  Fields(0, "A", "", "", "", "", false)}),
    [](const auto& info) { return info.param.name; });

TEST(ParseEntry, WithoutTheKeywordNothingIsAnEntry)
{
    for (const std::string& text :
         {std::string(), std::string("FREQUENCY: 6070 \nCALL: X\n"), std::string("KLINGENFUS"),
          std::string("KLINGEN FUSS"), std::string("\0KLINGENFUSS", 12)}) {
        EXPECT_FALSE(ParseEntry(text, Windows1252()).isEntry) << text;
        EXPECT_FALSE(ParseEntry(text, DoubleByte932()).isEntry) << text;
    }
}

TEST(ParseEntry, DoubleByteMatchNeverStartsOnATrailByte)
{
    // 0x83 is a lead byte: "\x83" "C" is one character, so "CALL:" after it
    // is not a label, but the same letters after a single-byte character are.
    const std::string hidden = "KLINGENFUSS\n\x83" "CALL: X\n";
    EXPECT_FALSE(ParseEntry(hidden, DoubleByte932()).fields.hasCall);
    EXPECT_TRUE(ParseEntry(hidden, Windows1252()).fields.hasCall);

    const std::string visible = "KLINGENFUSS\n\x83\x40" "CALL: X\n";
    EXPECT_EQ(ParseEntry(visible, DoubleByte932()).fields.call, "X");

    // The keyword itself obeys the same rule.
    EXPECT_FALSE(ParseEntry("\x9FKLINGENFUSS", DoubleByte932()).isEntry);
    EXPECT_TRUE(ParseEntry("\x9F" "AKLINGENFUSS", DoubleByte932()).isEntry);
}

TEST(ParseEntry, DoubleByteValuesAreCutAtByte49)
{
    // Extraction knows nothing of characters: the cut may split a pair, and
    // a trail byte equal to a line feed ends the value.
    const std::string station = std::string(48, 'a') + "\x82\xA0" + "b";
    const auto fields = ParseEntry("KLINGENFUSS\nSTATION: " + station + "\n", DoubleByte932()).fields;
    EXPECT_EQ(fields.station, std::string(48, 'a') + "\x82");
    EXPECT_EQ(ParseEntry("KLINGENFUSS\nSTATION: \x82\n", DoubleByte932()).fields.station, "\x82");
}

TEST(ParseEntry, Windows1252FoldsOnlyWhatTheCodePageFolds)
{
    // 0xFF (y with diaeresis) upper-cases to 0x9F, never to an ASCII letter.
    EXPECT_EQ(ParseEntry("KLINGENFUSS\nSTATION\xFF: x\n", Windows1252()).fields.station, "");
    EXPECT_TRUE(ParseEntry("kLiNgEnFuSs", Windows1252()).isEntry);
}

TEST(ParseEntry, HandlesA64MiBText)
{
    std::string text(64u << 20, 'x');
    for (std::size_t i = 80; i < text.size(); i += 81)
        text[i] = '\n';
    const std::string tail = "klingenfuss\nfrequency: 6070 \ncall: DCF77\n";
    text.replace(text.size() - tail.size(), tail.size(), tail);
    const ParsedEntry parsed = ParseEntry(text, Windows1252());
    ASSERT_TRUE(parsed.isEntry);
    EXPECT_EQ(parsed.fields.frequency, 6070000);
    EXPECT_EQ(parsed.fields.call, "DCF77");
    EXPECT_FALSE(ParseEntry(std::string(64u << 20, 'K'), DoubleByte932()).isEntry);
}

}  // namespace
}  // namespace tarvek
