#include "title_matches.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace tarvek {
namespace {

using namespace std::string_view_literals;

struct TitleCase {
    const char* label;
    std::string_view title;
    std::string_view name;
    bool matches;
};

void PrintTo(const TitleCase& c, std::ostream* out) { *out << c.label; }

class TitleMatchesTest : public ::testing::TestWithParam<TitleCase> {};

TEST_P(TitleMatchesTest, DecidesAsTheReceiverLookupNeeds)
{
    EXPECT_EQ(TitleMatches(GetParam().title, GetParam().name), GetParam().matches);
}

INSTANTIATE_TEST_SUITE_P(
    Titles, TitleMatchesTest,
    ::testing::Values(
        TitleCase{"exact name", "ORMELIN", "ORMELIN", true},
        TitleCase{"name then more words", "ORMELIN - Receiver Control", "ORMELIN", true},
        TitleCase{"name directly followed by more", "ORMELIN32", "ORMELIN", true},
        TitleCase{"leading spaces skipped", "   ORMELIN - x", "ORMELIN", true},
        TitleCase{"lower case title", "ormelin", "ORMELIN", false},
        TitleCase{"lower case name", "ORMELIN", "ormelin", false},
        TitleCase{"leading tab not skipped", "\tORMELIN", "ORMELIN", false},
        TitleCase{"space then tab", " \tORMELIN", "ORMELIN", false},
        TitleCase{"after another word", "Start ORMELIN", "ORMELIN", false},
        TitleCase{"empty name, any title", "Anything", "", true},
        TitleCase{"empty name, empty title", "", "", true},
        TitleCase{"empty name, only spaces", "    ", "", true},
        TitleCase{"name, only spaces", "    ", "ORMELIN", false},
        TitleCase{"name longer than title", "ORMEL", "ORMELIN", false},
        TitleCase{"name longer than spaced title", "  ORMELI", "ORMELIN", false},
        TitleCase{"name with leading space, title without", "ORMELIN", " ORMELIN", false},
        TitleCase{"name with leading space, title with", " ORMELIN", " ORMELIN", false},
        TitleCase{"name of spaces, spaced title", "  ORMELIN", "  ", false},
        TitleCase{"trailing space in name", "ORMELIN - x", "ORMELIN ", true},
        TitleCase{"trailing space in name, title ends", "ORMELIN", "ORMELIN ", false},
        TitleCase{"bytes above 0x7f compared as they are", "M\xDC" "HLE", "M\xDC", true},
        TitleCase{"high byte differs", "M\xFC" "HLE", "M\xDC", false},
        // The comparison stops where both hold a zero byte, like strncmp.
        TitleCase{"both stop at a zero byte", "ORM\0xyz"sv, "ORM\0abc"sv, true},
        TitleCase{"title ends where name has a zero", "ORM", "ORM\0abc"sv, true},
        TitleCase{"zero in title only", "ORM\0ELIN"sv, "ORMELIN", false},
        TitleCase{"zero in name only", "ORMELIN", "ORM\0LIN"sv, false}));

}  // namespace
}  // namespace tarvek
