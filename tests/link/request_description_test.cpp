#include "request_description.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "tuning_request.h"

namespace tarvek {
namespace {

ReceivedRequest Received(const TuningRequest& request, std::uint64_t sender = 0x1234)
{
    return {request.code, sender, request.bytes.data(), request.size};
}

TEST(DescribeRequest, ShowsEveryFieldOfACallRecord)
{
    const EntryFields fields{4583000, "Deutscher Wetterdienst", "DDK2", "Pinneberg", "Germany",
                             "RTTY 50 Bd", true};
    const TuningRequest request = BuildTuningRequest(fields, TuneOnly);
    EXPECT_EQ(DescribeRequest(Received(request)),
              "code=1003 size=260 sender=0x1234 mode=tune-only layout=call frequency=4583000"
              " station=\"Deutscher Wetterdienst\" call=\"DDK2\" site=\"Pinneberg\""
              " country=\"Germany\" modulation=\"RTTY 50 Bd\" extra=\"\" hex=" +
                  HexBytes(request.bytes.data(), 260));
}

TEST(DescribeRequest, ShowsEveryFieldOfABasicRecord)
{
    const EntryFields fields{1000000000, "Radio", "", "Rohrbach", "Deutschland", "USB", false};
    const TuningRequest request = BuildTuningRequest(fields, TuneAndStation);
    const std::string line = DescribeRequest(Received(request));
    EXPECT_EQ(line.substr(0, line.find(" hex=")),
              "code=2002 size=160 sender=0x1234 mode=tune-and-station layout=basic"
              " frequency=1000000000 station=\"Radio\" site=\"Rohrbach\" country=\"Deutschland\""
              " extra=\"\"");
    EXPECT_EQ(line.substr(line.find(" hex=") + 5, 8), "00ca9a3b");
}

TEST(DescribeRequest, ReadsTheFrequencyAsSigned)
{
    TuningRequest request = BuildTuningRequest({}, TuneOnly);
    std::memset(request.bytes.data(), 0xFF, 4);
    EXPECT_NE(DescribeRequest(Received(request)).find(" frequency=-1 "), std::string::npos);
}

TEST(DescribeRequest, EscapesQuotesBackslashesAndControlBytes)
{
    const EntryFields fields{0, "a\"b\\c\td\x7F" "e\xE9", "", "", "", "", false};
    const std::string line = DescribeRequest(Received(BuildTuningRequest(fields, TuneOnly)));
    EXPECT_NE(line.find(" station=\"a\\\"b\\\\c\\x09d\\x7fe\xE9\" "), std::string::npos) << line;
}

TEST(DescribeRequest, MarksATextWithoutZeroInItsSlot)
{
    TuningRequest request = BuildTuningRequest({}, TuneOnly);
    std::memset(request.bytes.data() + 4, 'S', 50);
    const std::string line = DescribeRequest(Received(request));
    EXPECT_NE(line.find(" station=unterminated:\"" + std::string(50, 'S') + "\" site=\"\""),
              std::string::npos)
        << line;
}

struct UnexpectedCase {
    const char* label;
    std::uint64_t code;
    std::size_t size;
};

void PrintTo(const UnexpectedCase& c, std::ostream* out) { *out << c.label; }

class UnexpectedRequestTest : public ::testing::TestWithParam<UnexpectedCase> {};

TEST_P(UnexpectedRequestTest, IsShownInHexOnly)
{
    std::uint8_t bytes[300];
    for (std::size_t i = 0; i < sizeof bytes; ++i)
        bytes[i] = static_cast<std::uint8_t>(i);
    const ReceivedRequest request{GetParam().code, 0, bytes, GetParam().size};
    EXPECT_EQ(DescribeRequest(request),
              "code=" + std::to_string(GetParam().code) + " size=" + std::to_string(GetParam().size) +
                  " sender=0x0 layout=unexpected hex=" + HexBytes(bytes, GetParam().size));
}

INSTANTIATE_TEST_SUITE_P(Requests, UnexpectedRequestTest,
                         ::testing::Values(UnexpectedCase{"basic code, short", 1002, 7},
                                           UnexpectedCase{"basic code, call size", 2002, 260},
                                           UnexpectedCase{"call code, basic size", 1003, 160},
                                           UnexpectedCase{"call code, one byte more", 2003, 261},
                                           UnexpectedCase{"no data", 1002, 0},
                                           UnexpectedCase{"unknown code", 3002, 160},
                                           UnexpectedCase{"code beyond 32 bits", 0x100000000 + 1002, 160}));

TEST(DescribeRequest, ToleratesAMissingDataPointer)
{
    const ReceivedRequest request{1002, 0, nullptr, 160};
    EXPECT_EQ(DescribeRequest(request), "code=1002 size=160 sender=0x0 layout=unexpected hex=");
}

TEST(HexBytes, WritesTwoLowerCaseDigitsPerByte)
{
    const std::uint8_t bytes[] = {0x00, 0x0F, 0xA0, 0xFF};
    EXPECT_EQ(HexBytes(bytes, sizeof bytes), "000fa0ff");
    EXPECT_EQ(HexBytes(nullptr, 0), "");
}

}  // namespace
}  // namespace tarvek
