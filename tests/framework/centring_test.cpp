#include "centring.h"

#include <gtest/gtest.h>

#include <string>

namespace tarvek {
namespace {

struct CentringCase {
    const char* name;
    Size window;
    Rect reference;
    Rect workArea;
    Point expected;
};

class Centring : public testing::TestWithParam<CentringCase> {};

TEST_P(Centring, CentresThenKeepsInsideTheWorkArea)
{
    const CentringCase& c = GetParam();
    EXPECT_EQ(CentredOrigin(c.window, c.reference, c.workArea), c.expected);
}

const Rect kScreen{0, 0, 1024, 768};

INSTANTIATE_TEST_SUITE_P(
    Cases, Centring,
    testing::Values(
        CentringCase{"EvenSizes", {288, 222}, kScreen, kScreen, {368, 273}},
        CentringCase{"OddSizesTruncateEachHalf", {289, 223}, {0, 0, 1023, 767}, {0, 0, 1023, 767}, {367, 272}},
        CentringCase{"WorkAreaBelowATopTaskBar", {200, 100}, {0, 30, 1024, 768}, {0, 30, 1024, 768}, {412, 349}},
        CentringCase{"NegativeCoordinatesTruncateTowardZero", {101, 101}, {-301, -301, 0, 0}, {-301, -301, 0, 0},
                     {-200, -200}},
        CentringCase{"OverOwnerInTheMiddle", {380, 95}, {368, 273, 656, 495}, kScreen, {322, 337}},
        CentringCase{"OwnerAtTheLeftEdgeKeepsBoxOnScreen", {380, 95}, {0, 0, 288, 222}, kScreen, {0, 64}},
        CentringCase{"OwnerAtTheBottomRight", {380, 95}, {900, 700, 1188, 922}, kScreen, {644, 673}},
        CentringCase{"LargerThanTheWorkArea", {1200, 900}, kScreen, kScreen, {0, 0}}),
    [](const testing::TestParamInfo<CentringCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tarvek
