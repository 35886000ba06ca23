#include "settings_format.h"

#include <gtest/gtest.h>

#include <string>

namespace tarvek {
namespace {

WindowPlacement Valid(std::uint32_t flags, std::uint32_t showCmd, std::int32_t minX, std::int32_t minY,
                      std::int32_t maxX, std::int32_t maxY, std::int32_t left, std::int32_t top,
                      std::int32_t right, std::int32_t bottom)
{
    return {WindowPlacement::kValidLength, flags, showCmd, minX, minY, maxX, maxY, left, top, right, bottom};
}

TEST(TuningMode, AnyNonzeroStoredValueSelectsTheSecondMode)
{
    EXPECT_EQ(NormaliseTuningMode(0), 0);
    EXPECT_EQ(NormaliseTuningMode(1), 1);
    EXPECT_EQ(NormaliseTuningMode(7), 1);
    EXPECT_EQ(NormaliseTuningMode(-1), 1);
    EXPECT_EQ(NormaliseTuningMode(INT32_MIN), 1);
}

TEST(WindowPosFormat, TenNumbersCommaSeparatedFirstTwoUnsigned)
{
    EXPECT_EQ(FormatWindowPos(Valid(0, 1, -1, -1, -1, -1, 312, 204, 694, 418)), "0,1,-1,-1,-1,-1,312,204,694,418");
    EXPECT_EQ(FormatWindowPos(Valid(4294967295u, 2, 0, 0, 0, 0, -5, -6, 7, 8)), "4294967295,2,0,0,0,0,-5,-6,7,8");
}

TEST(WindowPosFormat, LongestValueHas117Characters)
{
    const std::string text = FormatWindowPos(Valid(4294967295u, 4294967295u, INT32_MIN, INT32_MIN, INT32_MIN,
                                                   INT32_MIN, INT32_MIN, INT32_MIN, INT32_MIN, INT32_MIN));
    EXPECT_EQ(text.size(), 117u);
    EXPECT_EQ(ScanWindowPos(text), Valid(4294967295u, 4294967295u, INT32_MIN, INT32_MIN, INT32_MIN, INT32_MIN,
                                         INT32_MIN, INT32_MIN, INT32_MIN, INT32_MIN));
}

TEST(WindowPosFormat, InvalidPlacementIsWrittenEmpty)
{
    WindowPlacement placement = Valid(0, 1, 2, 3, 4, 5, 6, 7, 8, 9);
    placement.length = 0;
    EXPECT_EQ(FormatWindowPos(placement), "");
    placement.length = 43;
    EXPECT_EQ(FormatWindowPos(placement), "");
}

struct ScanCase {
    const char* name;
    const char* text;
    bool valid;
    WindowPlacement expected;  // when valid
};

class WindowPosScan : public testing::TestWithParam<ScanCase> {};

TEST_P(WindowPosScan, ReadsAsFormattedInputWould)
{
    const ScanCase& c = GetParam();
    const WindowPlacement scanned = ScanWindowPos(c.text);
    if (c.valid) {
        EXPECT_EQ(scanned, c.expected);
    } else {
        EXPECT_EQ(scanned, WindowPlacement{});
        EXPECT_FALSE(scanned.IsValid());
    }
}

const WindowPlacement kPlain = Valid(0, 1, -1, -1, -1, -1, 312, 204, 694, 418);

INSTANTIATE_TEST_SUITE_P(
    Cases, WindowPosScan,
    testing::Values(
        ScanCase{"Plain", "0,1,-1,-1,-1,-1,312,204,694,418", true, kPlain},
        ScanCase{"Empty", "", false, {}},
        ScanCase{"ThreeNumbers", "0,1,-1", false, {}},
        ScanCase{"NineNumbers", "0,1,-1,-1,-1,-1,312,204,694", false, {}},
        ScanCase{"NineNumbersAndComma", "0,1,-1,-1,-1,-1,312,204,694,", false, {}},
        ScanCase{"BlankAfterCommaAndTrailingWord", "0, 1,-1,-1,-1,-1,312,204,694,418 word", true, kPlain},
        ScanCase{"LeadingBlanksOfEveryKind", " \t0,\n1,\v-1,\f-1,\r-1,-1,312,204,694,418", true, kPlain},
        ScanCase{"BlankBeforeCommaStops", "0 ,1,-1,-1,-1,-1,312,204,694,418", false, {}},
        ScanCase{"TrailingTextRightAfterTenthNumber", "0,1,-1,-1,-1,-1,312,204,694,418x,5", true, kPlain},
        ScanCase{"EleventhNumberIgnored", "0,1,-1,-1,-1,-1,312,204,694,418,99", true, kPlain},
        ScanCase{"MinusOneInFirstUnsigned", "-1,1,-1,-1,-1,-1,312,204,694,418", true,
                 Valid(4294967295u, 1, -1, -1, -1, -1, 312, 204, 694, 418)},
        ScanCase{"MinusTwoInSecondUnsigned", "0,-2,-1,-1,-1,-1,312,204,694,418", true,
                 Valid(0, 4294967294u, -1, -1, -1, -1, 312, 204, 694, 418)},
        ScanCase{"PlusSigns", "+0,+1,+2,-1,-1,-1,+312,204,694,418", true,
                 Valid(0, 1, 2, -1, -1, -1, 312, 204, 694, 418)},
        ScanCase{"SignWithoutDigits", "0,1,-,-1,-1,-1,312,204,694,418", false, {}},
        ScanCase{"SignThenBlank", "0,1,- 1,-1,-1,-1,312,204,694,418", false, {}},
        ScanCase{"LetterInsteadOfNumber", "0,1,x,-1,-1,-1,312,204,694,418", false, {}},
        ScanCase{"HexIsNotRead", "0x10,1,-1,-1,-1,-1,312,204,694,418", false, {}},
        ScanCase{"LeadingZeros", "000,001,-01,-1,-1,-1,0312,204,694,418", true, kPlain},
        ScanCase{"SignedLimits", "0,1,2147483647,-2147483648,0,0,0,0,0,0", true,
                 Valid(0, 1, INT32_MAX, INT32_MIN, 0, 0, 0, 0, 0, 0)},
        ScanCase{"SignedTooLarge", "0,1,2147483648,0,0,0,0,0,0,0", false, {}},
        ScanCase{"SignedTooSmall", "0,1,-2147483649,0,0,0,0,0,0,0", false, {}},
        ScanCase{"UnsignedLimit", "4294967295,0,0,0,0,0,0,0,0,0", true, Valid(4294967295u, 0, 0, 0, 0, 0, 0, 0, 0, 0)},
        ScanCase{"UnsignedTooLarge", "4294967296,0,0,0,0,0,0,0,0,0", false, {}},
        ScanCase{"HugeNumberDoesNotWrap", "0,1,99999999999999999999999,0,0,0,0,0,0,0", false, {}},
        ScanCase{"SemicolonsAreNoCommas", "0;1;-1;-1;-1;-1;312;204;694;418", false, {}}),
    [](const testing::TestParamInfo<ScanCase>& info) { return std::string(info.param.name); });

TEST(WindowPosScan, FormattedValueReadsBackUnchanged)
{
    for (const WindowPlacement& p : {kPlain, Valid(2, 3, 100, -200, 300, -400, -32000, -32000, 5, 6)}) {
        EXPECT_EQ(ScanWindowPos(FormatWindowPos(p)), p);
    }
}

}  // namespace
}  // namespace tarvek
