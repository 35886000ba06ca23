#include "tuning_request.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace tarvek {
namespace {

EntryFields FullEntry(bool hasCall)
{
    return {6070000, "Station", "DCF77", "Site", "Country", "USB", hasCall};
}

std::string SlotText(const TuningRequest& request, std::size_t offset)
{
    return std::string(reinterpret_cast<const char*>(request.bytes.data() + offset));
}

struct CodeCase {
    bool hasCall;
    TuningMode mode;
    std::uint32_t code;
    std::uint32_t size;
};

void PrintTo(const CodeCase& c, std::ostream* out)
{
    *out << (c.hasCall ? "call" : "basic") << " mode " << c.mode;
}

class RequestCodeTest : public ::testing::TestWithParam<CodeCase> {};

TEST_P(RequestCodeTest, FollowsCallSignAndMode)
{
    const TuningRequest request = BuildTuningRequest(FullEntry(GetParam().hasCall), GetParam().mode);
    EXPECT_EQ(request.code, GetParam().code);
    EXPECT_EQ(request.size, GetParam().size);
}

INSTANTIATE_TEST_SUITE_P(Codes, RequestCodeTest,
                         ::testing::Values(CodeCase{false, 0, 1002, 160}, CodeCase{true, 0, 1003, 260},
                                           CodeCase{false, 1, 2002, 160}, CodeCase{true, 1, 2003, 260},
                                           CodeCase{true, 7, 2003, 260}, CodeCase{false, -1, 2002, 160}));

TEST(BuildTuningRequest, CallRecordLayout)
{
    const TuningRequest request = BuildTuningRequest(FullEntry(true), TuneOnly);
    const std::uint8_t frequency[] = {0xF0, 0x9E, 0x5C, 0x00};  // 6070000
    EXPECT_EQ(std::memcmp(request.bytes.data(), frequency, 4), 0);
    EXPECT_EQ(SlotText(request, 4), "Station");
    EXPECT_EQ(SlotText(request, 54), "DCF77");
    EXPECT_EQ(SlotText(request, 104), "Site");
    EXPECT_EQ(SlotText(request, 154), "Country");
    EXPECT_EQ(SlotText(request, 204), "USB");
    EXPECT_EQ(request.bytes[254], 0);
}

TEST(BuildTuningRequest, BasicRecordLayoutHasNoCallOrModulation)
{
    const TuningRequest request = BuildTuningRequest(FullEntry(false), TuneAndStation);
    EXPECT_EQ(SlotText(request, 4), "Station");
    EXPECT_EQ(SlotText(request, 54), "Site");
    EXPECT_EQ(SlotText(request, 104), "Country");
    EXPECT_EQ(request.bytes[154], 0);
    const std::string bytes(request.bytes.begin(), request.bytes.end());
    EXPECT_EQ(bytes.find("DCF77"), std::string::npos);
    EXPECT_EQ(bytes.find("USB"), std::string::npos);
}

TEST(BuildTuningRequest, EmptyEntryGivesAZeroRecord)
{
    for (bool hasCall : {false, true}) {
        EntryFields fields;
        fields.hasCall = hasCall;
        const TuningRequest request = BuildTuningRequest(fields, TuneOnly);
        for (std::size_t i = 0; i < request.size; ++i)
            ASSERT_EQ(request.bytes[i], 0) << "byte " << i;
    }
}

TEST(BuildTuningRequest, LargestFrequencyIsLittleEndian)
{
    EntryFields fields;
    fields.frequency = 1000000000;
    const TuningRequest request = BuildTuningRequest(fields, TuneOnly);
    EXPECT_EQ(request.bytes[0], 0x00);
    EXPECT_EQ(request.bytes[1], 0xCA);
    EXPECT_EQ(request.bytes[2], 0x9A);
    EXPECT_EQ(request.bytes[3], 0x3B);
}

TEST(BuildTuningRequest, FullSlotKeepsItsTerminator)
{
    EntryFields fields;
    fields.station = std::string(49, 'S');
    fields.site = "Next";
    const TuningRequest request = BuildTuningRequest(fields, TuneOnly);
    for (std::size_t i = 4; i <= 52; ++i)
        ASSERT_EQ(request.bytes[i], 'S') << i;
    EXPECT_EQ(request.bytes[53], 0);
    EXPECT_EQ(SlotText(request, 54), "Next");
}

}  // namespace
}  // namespace tarvek
