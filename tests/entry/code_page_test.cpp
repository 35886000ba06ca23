#include "code_page.h"

#include <gtest/gtest.h>

#include <string>

namespace tarvek {
namespace {

std::string Upper(const CodePage& codePage, const std::string& text)
{
    std::string out(text.size(), '\0');
    codePage.UpperCase(text.data(), text.size(), out.data());
    return out;
}

TEST(CodePage, Windows1252FoldsLettersOnly)
{
    EXPECT_EQ(Upper(Windows1252(), "abc xyz:[09]"), "ABC XYZ:[09]");
    EXPECT_EQ(Upper(Windows1252(), "\xE4\xF6\xFC\xF7\xFF\x9A\xDF"), "\xC4\xD6\xDC\xF7\x9F\x8A\xDF");
    EXPECT_FALSE(Windows1252().IsDoubleByte());
}

TEST(CodePage, DoubleByteKeepsCharactersWhole)
{
    // "\x82" "a" is one double-byte character and stays as it is.
    EXPECT_EQ(Upper(DoubleByte932(), "a\x82" "a" "b\xE0"), "A\x82" "a" "B\xE0");
    EXPECT_EQ(Upper(DoubleByte932(), "\xE4\xA0"), "\xE4\xA0");
    EXPECT_TRUE(DoubleByte932().IsLeadByte(0x81));
    EXPECT_TRUE(DoubleByte932().IsLeadByte(0xFC));
    EXPECT_FALSE(DoubleByte932().IsLeadByte(0xA0));
    EXPECT_FALSE(DoubleByte932().IsLeadByte(0xFD));
}

}  // namespace
}  // namespace tarvek
