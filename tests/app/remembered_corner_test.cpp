#include "remembered_corner.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

namespace tarvek {
namespace {

constexpr Size kDialog{288, 222};

// A 1280x1024 primary screen with a 40-pixel task bar at the bottom, and a
// 1024x768 screen to its right whose task bar is on the left.
const Monitor kPrimary{{0, 0, 1280, 1024}, {0, 0, 1280, 984}};
const Monitor kPrimaryBarOnTop{{0, 0, 1280, 1024}, {0, 30, 1280, 1024}};
const Monitor kRight{{1280, 0, 2304, 768}, {1330, 0, 2304, 768}};

struct CornerCase {
    const char* name;
    std::vector<Monitor> monitors;
    Point corner;
    Point expected;
};

class RememberedCorner : public testing::TestWithParam<CornerCase> {};

TEST_P(RememberedCorner, OpensWhereTheUserCanReachIt)
{
    const CornerCase& c = GetParam();
    EXPECT_EQ(ScreenOriginForRememberedCorner(c.corner, kDialog, c.monitors), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RememberedCorner,
    testing::Values(
        CornerCase{"VisibleCornerKeptAsIs", {kPrimary}, {312, 204}, {312, 204}},
        CornerCase{"TouchingTheWorkAreaEdgesIsInside", {kPrimary}, {1280 - 288, 984 - 222}, {992, 762}},
        CornerCase{"WorkAreaOffsetAdded", {kPrimaryBarOnTop}, {312, 204}, {312, 234}},
        CornerCase{"SecondMonitorOffsetAdded", {kPrimary, kRight}, {1400, 100}, {1450, 100}},
        CornerCase{"MonitorRemovedMovesIntoNearest", {kPrimary}, {1400, 100}, {1280 - 288, 100}},
        CornerCase{"FarBelowLoweredResolution", {kPrimary}, {300, 1500}, {300, 984 - 222}},
        CornerCase{"AboveAndLeftOfEveryScreen", {kPrimary, kRight}, {-900, -700}, {0, 0}},
        CornerCase{"HangingOffTheRightEdge", {kPrimary}, {1200, 50}, {1280 - 288, 50}},
        CornerCase{"UnderTheTaskBar", {kPrimary}, {500, 900}, {500, 984 - 222}},
        CornerCase{"BeyondTheSecondMonitorGoesThere", {kPrimary, kRight}, {2600, 100}, {2304 - 288, 100}},
        CornerCase{"LargestStoredNumbersGoToTheNearestScreen", {kPrimary, kRight}, {INT_MAX, INT_MAX},
                   {2304 - 288, 768 - 222}},
        CornerCase{"SmallestStoredNumbersGoToTheNearestScreen", {kPrimary, kRight}, {INT_MIN, INT_MIN}, {0, 0}},
        CornerCase{"LargestAcrossSmallestDown", {kPrimary}, {INT_MAX, INT_MIN}, {1280 - 288, 0}}),
    [](const testing::TestParamInfo<CornerCase>& info) { return std::string(info.param.name); });

TEST(RememberedCorner, WindowLargerThanTheWorkAreaKeepsItsTopLeftInside)
{
    const Monitor tiny{{0, 0, 200, 150}, {0, 0, 200, 150}};
    EXPECT_EQ(ScreenOriginForRememberedCorner({50, 50}, kDialog, std::vector<Monitor>{tiny}), (Point{0, 0}));
}

}  // namespace
}  // namespace tarvek
