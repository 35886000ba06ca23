#include "system_code_page.h"

#include <windows.h>

namespace tarvek {

namespace {

CodePage MakeSystemCodePage()
{
    CodePage::ByteTable upper{};
    std::array<bool, 256> lead{};
    for (int b = 0; b < 256; ++b) {
        lead[b] = IsDBCSLeadByte(static_cast<BYTE>(b)) != FALSE;
        char single = static_cast<char>(b);
        // A lone lead byte is no character; it keeps its value.
        if (b != 0 && !lead[b])
            CharUpperBuffA(&single, 1);
        upper[b] = static_cast<std::uint8_t>(single);
    }
    return CodePage(upper, lead);
}

}  // namespace

const CodePage& SystemCodePage()
{
    static const CodePage codePage = MakeSystemCodePage();
    return codePage;
}

}  // namespace tarvek
