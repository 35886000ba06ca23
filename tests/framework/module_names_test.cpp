#include "module_names.h"

#include <gtest/gtest.h>

namespace tarvek {
namespace {

TEST(ModuleNames, BaseNameDropsDirectoryAndExtension)
{
    EXPECT_EQ(BaseName("C:\\TOOLS\\TARVEK.EXE"), "TARVEK");
    EXPECT_EQ(BaseName("C:\\Program Files\\Radio\\tarvek.exe"), "tarvek");
    EXPECT_EQ(BaseName("C:\\TOOLS\\MY.RADIO.EXE"), "MY.RADIO");
    EXPECT_EQ(BaseName("C:\\TOOLS.OLD\\TARVEK"), "TARVEK");
    EXPECT_EQ(BaseName("TARVEK.EXE"), "TARVEK");
    EXPECT_EQ(BaseName("D:TARVEK.EXE"), "TARVEK");
}

TEST(ModuleNames, HelpFileReplacesTheExtension)
{
    EXPECT_EQ(WithExtension("C:\\TOOLS\\TARVEK.EXE", ".HLP"), "C:\\TOOLS\\TARVEK.HLP");
    EXPECT_EQ(WithExtension("C:\\TOOLS\\MY.RADIO.EXE", ".HLP"), "C:\\TOOLS\\MY.RADIO.HLP");
    EXPECT_EQ(WithExtension("C:\\TOOLS.OLD\\TARVEK", ".HLP"), "C:\\TOOLS.OLD\\TARVEK.HLP");
}

}  // namespace
}  // namespace tarvek
