#include "entry_parser.h"

#include <gtest/gtest.h>

#include <string>

namespace tarvek {
namespace {

struct Extraction {
    const char* name;
    ValueKind kind;
    std::string text;
    std::size_t start;
    std::optional<std::string> expected;
};

void PrintTo(const Extraction& c, std::ostream* out) { *out << c.name; }

class ExtractValueTest : public ::testing::TestWithParam<Extraction> {};

TEST_P(ExtractValueTest, ReadsTheValue)
{
    const Extraction& c = GetParam();
    const auto value = ExtractValue(c.kind, c.text, c.start);
    ASSERT_EQ(value.has_value(), c.expected.has_value());
    if (value) {
        EXPECT_EQ(std::string(*value), *c.expected);
    }
}

std::string Repeat(std::size_t n, char c = 'x') { return std::string(n, c); }

INSTANTIATE_TEST_SUITE_P(
    Cases, ExtractValueTest,
    ::testing::Values(
        Extraction{"StartAtEnd", ValueKind::Line, "abc", 3, std::nullopt},
        Extraction{"StartBeyondEnd", ValueKind::Line, "abc", 9, std::nullopt},
        Extraction{"LineEndsAtLf", ValueKind::Line, "ab\ncd", 0, "ab"},
        Extraction{"LineEndsAtCr", ValueKind::Line, "ab\rcd", 0, "ab"},
        Extraction{"LineKeepsInnerAndTrailingBlanks", ValueKind::Line, "   a b  \t\r\n", 0,
                   "a b  \t"},
        Extraction{"LineEmptyBeforeBreak", ValueKind::Line, "\r\n", 0, ""},
        Extraction{"LineBlanksOnlyThenBreak", ValueKind::Line, " \t \n", 0, ""},
        Extraction{"LineRunsToEnd", ValueKind::Line, "abc", 0, std::nullopt},
        Extraction{"BlanksRunToEnd", ValueKind::Line, "   ", 0, std::nullopt},
        Extraction{"LineIgnoresSpaceAndBracket", ValueKind::Line, "a [b]\n", 0, "a [b]"},
        Extraction{"NumberEndsAtSpace", ValueKind::Number, "6070.00 kHz", 0, "6070.00"},
        Extraction{"NumberEndsAtBracket", ValueKind::Number, "6070.00[x", 0, "6070.00"},
        Extraction{"NumberRunsOverLineBreak", ValueKind::Number, "6070\nnext line", 0,
                   "6070\nnext"},
        Extraction{"NumberKeepsInnerTab", ValueKind::Number, "\t60\t70 ", 0, "60\t70"},
        Extraction{"NumberRunsToEnd", ValueKind::Number, "6070", 0, std::nullopt},
        Extraction{"Exactly127Fits", ValueKind::Line, Repeat(127) + "\n", 0, Repeat(127)},
        Extraction{"Over127Fails", ValueKind::Line, Repeat(128) + "\n", 0, std::nullopt},
        Extraction{"BlanksDoNotCount", ValueKind::Line, Repeat(40, ' ') + Repeat(127) + "\r", 0,
                   Repeat(127)},
        Extraction{"StartsMidText", ValueKind::Line, "STATION: Name\n", 8, "Name"},
        Extraction{"TrailBytesAreBytes", ValueKind::Line, "\x82\x0a\x82\x0d", 0, "\x82"}),
    [](const auto& info) { return info.param.name; });

TEST(ExtractValue, HonoursASmallerCapacity)
{
    EXPECT_EQ(ExtractValue(ValueKind::Line, "abcd\n", 0, 5), "abcd");
    EXPECT_FALSE(ExtractValue(ValueKind::Line, "abcde\n", 0, 5).has_value());
}

}  // namespace
}  // namespace tarvek
