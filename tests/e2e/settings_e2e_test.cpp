// The settings file across runs: defaults, normalisation, the placement
// value, and which file a renamed program uses.
#include <string>

#include "tarvek_fixture.h"

namespace tarvek::e2e {
namespace {

std::string IniText(const std::string& mode, const std::string& name, const std::string& pos)
{
    return "[QERN]\r\nTuningMode=" + mode + "\r\nApplicationName=" + name + "\r\nWindowPos=" + pos + "\r\n";
}

bool IsChecked(HWND dialog, int id)
{
    return SendMessageA(GetDlgItem(dialog, id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

TEST_F(TarvekTest, WithoutSettingsFileStartsWithDefaultsAndSavesThemOnEnter)
{
    TarvekRun run = Start("TVDEFLT");
    ASSERT_NE(run.dialog, nullptr);
    EXPECT_EQ(WindowText(GetDlgItem(run.dialog, 1003)), "ORMELIN");
    EXPECT_TRUE(IsChecked(run.dialog, 1001));
    EXPECT_FALSE(IsChecked(run.dialog, 1002));
    EXPECT_EQ(FocusOf(run.process->ThreadId()), GetDlgItem(run.dialog, 1003));

    PressEnter(run);
    ASSERT_TRUE(run.process->WaitForExit());
    EXPECT_EQ(Ini(run), IniText("0", "ORMELIN", ""));
}

struct LoadCase {
    const char* name;
    const char* stored;
    bool secondModeChecked;
    const char* shownName;
    const char* saved;
};

class SettingsRoundTrip : public TarvekTest, public testing::WithParamInterface<LoadCase> {};

TEST_P(SettingsRoundTrip, LoadsAndSavesBackOnEnter)
{
    const LoadCase& c = GetParam();
    TarvekRun run = Start(std::string("TVL") + c.name, c.stored);
    ASSERT_NE(run.dialog, nullptr);
    EXPECT_EQ(IsChecked(run.dialog, 1002), c.secondModeChecked);
    EXPECT_EQ(IsChecked(run.dialog, 1001), !c.secondModeChecked);
    EXPECT_EQ(WindowText(GetDlgItem(run.dialog, 1003)), c.shownName);
    PressEnter(run);
    ASSERT_TRUE(run.process->WaitForExit());
    EXPECT_EQ(Ini(run), c.saved);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SettingsRoundTrip,
    testing::Values(
        LoadCase{"MODE7", "[QERN]\r\nTuningMode=7\r\n", true, "ORMELIN", "[QERN]\r\nTuningMode=1\r\n"
                                                                         "ApplicationName=ORMELIN\r\nWindowPos=\r\n"},
        LoadCase{"EMPTYNM", "[QERN]\r\nApplicationName=\r\n", false, "", "[QERN]\r\nApplicationName=\r\n"
                                                                          "TuningMode=0\r\nWindowPos=\r\n"},
        LoadCase{"THREE", "[QERN]\r\nTuningMode=1\r\nApplicationName=RX\r\nWindowPos=0,1,-1\r\n", true, "RX",
                 "[QERN]\r\nTuningMode=1\r\nApplicationName=RX\r\nWindowPos=\r\n"},
        LoadCase{"BLANKS", "[QERN]\r\nTuningMode=0\r\nApplicationName=RX\r\nWindowPos=0, 1,-1,-1,-1,-1,100,80,400,300 word\r\n",
                 false, "RX", "[QERN]\r\nTuningMode=0\r\nApplicationName=RX\r\nWindowPos=0,1,-1,-1,-1,-1,100,80,400,300\r\n"},
        LoadCase{"UNSIGNED", "[QERN]\r\nTuningMode=0\r\nApplicationName=RX\r\nWindowPos=-1,1,-1,-1,-1,-1,120,90,500,400\r\n",
                 false, "RX",
                 "[QERN]\r\nTuningMode=0\r\nApplicationName=RX\r\nWindowPos=4294967295,1,-1,-1,-1,-1,120,90,500,400\r\n"}),
    [](const testing::TestParamInfo<LoadCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tarvek::e2e
