#include "test_code_pages.h"

#if defined(_WIN32)
#include "system_code_page.h"
#endif

namespace tarvek::testing {

namespace {

using Table = CodePage::ByteTable;
using Leads = std::array<bool, 256>;

Table AsciiUpper()
{
    Table table{};
    for (int b = 0; b < 256; ++b)
        table[b] = static_cast<std::uint8_t>(b >= 'a' && b <= 'z' ? b - 'a' + 'A' : b);
    return table;
}

Table Latin(Table table)
{
    for (int b = 0xE0; b <= 0xFE; ++b)
        if (b != 0xF7)
            table[b] = static_cast<std::uint8_t>(b - 0x20);
    table[0x9A] = 0x8A;
    table[0x9C] = 0x8C;
    table[0xFF] = 0x9F;
    return table;
}

// Windows-1254: like the Western table, but the dotless i (0xFD) becomes a
// plain "I", and the dotted capital I (0xDD) is its own capital.
Table Turkish1254()
{
    Table table = Latin(AsciiUpper());
    table[0xFD] = 'I';
    return table;
}

// A few bytes upper-case to ":" and to letters of the keyword and labels.
Table OddFolds()
{
    Table table = Latin(AsciiUpper());
    table[0xBA] = ':';
    table[0x80] = 'K';
    table[0x83] = 'F';
    table[0xAA] = 'S';
    table[0xB9] = 'L';
    return table;
}

// More bytes fold onto ":", "K" and "F" than any small set could hold.
Table CrowdedFolds()
{
    Table table = AsciiUpper();
    for (int b = 0xA0; b <= 0xAF; ++b)
        table[b] = ':';
    for (int b = 0xB0; b <= 0xB7; ++b)
        table[b] = 'K';
    for (int b = 0xB8; b <= 0xBF; ++b)
        table[b] = 'F';
    return table;
}

Leads LeadRange(int first, int last, Leads leads = {})
{
    for (int b = first; b <= last; ++b)
        leads[b] = true;
    return leads;
}

// Lead bytes 0x81-0xFE, as in the Chinese and Korean code pages; 0x80 is a
// single byte here, folded onto ":".
CodePage WideLeads()
{
    Table table = AsciiUpper();
    table[0x80] = ':';
    return CodePage(table, LeadRange(0x81, 0xFE));
}

// No real code page has ASCII letters among its lead bytes; this one makes
// sure nothing in the parser quietly assumes so.
CodePage LettersAsLeads()
{
    Leads leads = LeadRange(0x81, 0x9F, LeadRange(0xE0, 0xFC));
    for (char c : {'A', 'E', 'N', 'q'})
        leads[static_cast<std::uint8_t>(c)] = true;
    Table table = AsciiUpper();
    table[0xA5] = 'K';
    return CodePage(table, leads);
}

}  // namespace

const std::vector<NamedCodePage>& TestCodePages()
{
    static const CodePage turkish(Turkish1254(), {});
    static const CodePage odd(OddFolds(), {});
    static const CodePage crowded(CrowdedFolds(), {});
    static const CodePage wide = WideLeads();
    static const CodePage lettersAsLeads = LettersAsLeads();
    static const std::vector<NamedCodePage> pages = {
        {"Windows1252", &Windows1252()},
        {"DoubleByte932", &DoubleByte932()},
        {"Turkish1254", &turkish},
        {"OddFolds", &odd},
        {"CrowdedFolds", &crowded},
        {"WideLeads", &wide},
        {"LettersAsLeads", &lettersAsLeads},
#if defined(_WIN32)
        // The table Windows itself gives the program.
        {"System", &SystemCodePage()},
#endif
    };
    return pages;
}

}  // namespace tarvek::testing
