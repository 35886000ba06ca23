#include "system_code_page.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "entry_parser.h"

namespace tarvek {
namespace {

TEST(SystemCodePage, FoldsAsciiLettersAndMatchesTheSystem)
{
    const CodePage& codePage = SystemCodePage();
    for (int c = 'a'; c <= 'z'; ++c)
        EXPECT_EQ(codePage.Upper(static_cast<std::uint8_t>(c)), c - 'a' + 'A');
    for (int b = 0; b < 256; ++b)
        EXPECT_EQ(codePage.IsLeadByte(static_cast<std::uint8_t>(b)),
                  IsDBCSLeadByte(static_cast<BYTE>(b)) != FALSE);
}

TEST(SystemCodePage, ParsesAsTheBuiltInWesternTable)
{
    if (GetACP() != 1252)
        GTEST_SKIP() << "system code page is " << GetACP();
    const std::string text =
        "Klingenfuss\nFrequency: 6070.00 kHz\nCall: DCF77\nStation: Mainflingen\n"
        "Sendeort: M\xFC" "hlheim\nLand: Deutschland\nModulation: USB\n";
    EXPECT_EQ(ParseEntry(text, SystemCodePage()).fields, ParseEntry(text, Windows1252()).fields);
}

}  // namespace
}  // namespace tarvek
