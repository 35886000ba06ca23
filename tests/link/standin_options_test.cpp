#include "standin_options.h"

#include <gtest/gtest.h>

namespace tarvek {
namespace {

TEST(StandInOptions, DefaultsToOrmelinAndAnswersAtOnce)
{
    const StandInCommandLine read = ReadStandInCommandLine({});
    ASSERT_EQ(read.error, "");
    EXPECT_EQ(read.options.WindowTitle(), "ORMELIN - receiver stand-in");
    EXPECT_FALSE(read.options.logFile);
    EXPECT_EQ(read.options.delayMs, 0u);
    EXPECT_FALSE(read.options.hang);
    EXPECT_FALSE(read.options.dieInHandler);
    EXPECT_EQ(read.options.exitAfter, 0u);
}

TEST(StandInOptions, ReadsEveryOption)
{
    const StandInCommandLine read = ReadStandInCommandLine(
        {"--name", "RX 7", "--log", "C:\\logs\\rx.log", "--delay", "250", "--hang", "--exit-after", "3",
         "--die-in-handler"});
    ASSERT_EQ(read.error, "");
    EXPECT_EQ(read.options.WindowTitle(), "RX 7 - receiver stand-in");
    EXPECT_EQ(read.options.logFile, "C:\\logs\\rx.log");
    EXPECT_EQ(read.options.delayMs, 250u);
    EXPECT_TRUE(read.options.hang);
    EXPECT_EQ(read.options.exitAfter, 3u);
    EXPECT_TRUE(read.options.dieInHandler);
}

TEST(StandInOptions, TitleIsTakenExactly)
{
    const StandInCommandLine read = ReadStandInCommandLine({"--name", "X", "--title", "  ORMELIN"});
    ASSERT_EQ(read.error, "");
    EXPECT_EQ(read.options.WindowTitle(), "  ORMELIN");
}

struct BadArguments {
    const char* label;
    std::vector<std::string> args;
};

void PrintTo(const BadArguments& c, std::ostream* out) { *out << c.label; }

class StandInBadArguments : public ::testing::TestWithParam<BadArguments> {};

TEST_P(StandInBadArguments, AreRejected)
{
    EXPECT_NE(ReadStandInCommandLine(GetParam().args).error, "");
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, StandInBadArguments,
    ::testing::Values(BadArguments{"unknown option", {"--fast"}},
                      BadArguments{"name without value", {"--name"}},
                      BadArguments{"log without value", {"--hang", "--log"}},
                      BadArguments{"negative delay", {"--delay", "-5"}},
                      BadArguments{"delay with unit", {"--delay", "5ms"}},
                      BadArguments{"empty count", {"--exit-after", ""}},
                      BadArguments{"count beyond 32 bits", {"--exit-after", "4294967296"}},
                      BadArguments{"stray word", {"ORMELIN"}}));

}  // namespace
}  // namespace tarvek
