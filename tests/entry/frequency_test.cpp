#include "frequency.h"

#include <gtest/gtest.h>

#include <cmath>

namespace tarvek {
namespace {

struct Conversion {
    const char* value;
    std::int32_t expected;
};

void PrintTo(const Conversion& c, std::ostream* out) { *out << '"' << c.value << '"'; }

class FrequencyFromTextTest : public ::testing::TestWithParam<Conversion> {};

TEST_P(FrequencyFromTextTest, ConvertsAsTheReceiverExpects)
{
    EXPECT_EQ(FrequencyFromText(GetParam().value), GetParam().expected) << GetParam().value;
}

INSTANTIATE_TEST_SUITE_P(
    WorkedExamples, FrequencyFromTextTest,
    ::testing::Values(Conversion{"6070.00", 6070000}, Conversion{"9.5", 9500},
                      Conversion{"3.14159", 3141}, Conversion{"15.0e3", 15000000},
                      Conversion{"1d3", 1000000}, Conversion{".5", 500}, Conversion{"0.0001", 0},
                      Conversion{"0.0009", 1}, Conversion{"14.9999999", 15000},
                      Conversion{"999999.999", 999999999}, Conversion{"999999.9999", 1000000000},
                      Conversion{"-5", 0}, Conversion{"1000000", 0}, Conversion{"6070,5", 6070000},
                      Conversion{"0x1A", 0}));

INSTANTIATE_TEST_SUITE_P(
    Grammar, FrequencyFromTextTest,
    ::testing::Values(
        Conversion{"", 0}, Conversion{" \t\n\v\f\r6070", 6070000}, Conversion{"+6070", 6070000},
        Conversion{"-0", 0}, Conversion{"+-5", 0}, Conversion{"- 5", 0}, Conversion{".", 0},
        Conversion{"5.", 5000}, Conversion{"1e", 1000}, Conversion{"1e+", 1000},
        Conversion{"1E2", 100000}, Conversion{"1D+2", 100000}, Conversion{"1e-3", 1},
        Conversion{"2.5kHz", 2500}, Conversion{"1.5e3.7", 1500000}, Conversion{"inf", 0},
        Conversion{"nan", 0}, Conversion{"infinity", 0}, Conversion{"1e999999999999", 0},
        Conversion{"1e-999999999999", 0}, Conversion{"0e999999999999", 0},
        Conversion{"999999.99989", 999999999}, Conversion{"0.000999999999", 1},
        Conversion{"00000000000000000000000000000000000006070", 6070000},
        Conversion{"6070.000000000000000000000000000000000000000000000000001", 6070000},
        Conversion{"0.00000000000000000000000000000000000000000000000001e53", 1000000}));

TEST(LeadingDecimal, IsLocaleFreeAndCorrectlyRounded)
{
    EXPECT_EQ(LeadingDecimal("0.1"), 0.1);
    EXPECT_EQ(LeadingDecimal("2.2250738585072014e-308"), 2.2250738585072014e-308);
    EXPECT_EQ(LeadingDecimal("9007199254740993"), 9007199254740992.0);  // ties to even
    EXPECT_EQ(LeadingDecimal("1d-1"), 0.1);
    EXPECT_FALSE(LeadingDecimal("x1").has_value());
    EXPECT_FALSE(LeadingDecimal("+.e1").has_value());
}

TEST(LeadingDecimal, SaturatesOutOfRangeBySign)
{
    EXPECT_EQ(LeadingDecimal("1e400"), HUGE_VAL);
    EXPECT_EQ(LeadingDecimal("-1e400"), -HUGE_VAL);
    EXPECT_EQ(LeadingDecimal("1e-400"), 0.0);
    EXPECT_EQ(LeadingDecimal("0.0001e-330").value_or(1.0), 0.0);
    EXPECT_EQ(LeadingDecimal("0.00001e310"), 1e305);
}

}  // namespace
}  // namespace tarvek
