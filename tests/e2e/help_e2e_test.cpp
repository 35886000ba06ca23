// F1 in either dialog asks the help engine for the dialog's topic in the help
// file named after the program. The program's WinHelpA call is the real one;
// a stand-in engine window of this test receives what it sends.
#include <string>

#include "help_engine_standin.h"
#include "tarvek_fixture.h"

namespace tarvek::e2e {
namespace {

constexpr UINT kHelpContext = 0x0001;  // HELP_CONTEXT

std::string HelpFileOf(const ProgramCopy& copy)
{
    const std::string& exe = copy.Path();
    return exe.substr(0, exe.size() - 4) + ".HLP";
}

void PressF1(const TarvekRun& run)
{
    HWND focus = FocusOf(run.process->ThreadId());
    ASSERT_NE(focus, nullptr);
    ASSERT_EQ(GetForegroundWindow(), GetAncestor(focus, GA_ROOT));
    TypeKey(VK_F1);
}

TEST_F(TarvekTest, F1AsksForTheTopicOfTheDialogWithTheFocus)
{
    HelpEngineStandIn engine(true);
    ASSERT_TRUE(engine.Ready());
    TarvekRun run = Start("TVHELP");
    ASSERT_NE(run.dialog, nullptr);

    PressF1(run);
    ASSERT_TRUE(WaitUntil([&] { return engine.Requests().size() == 1; }));
    EXPECT_EQ(engine.Requests()[0].command, kHelpContext);
    EXPECT_EQ(engine.Requests()[0].data, 131072u + 102u);
    EXPECT_STRCASEEQ(engine.Requests()[0].helpFile.c_str(), HelpFileOf(*run.copy).c_str());

    PostSysCommand(run.dialog, 16);
    HWND about = WaitForDialog(run.Pid(), "About TARVEK");
    ASSERT_NE(about, nullptr);
    PressF1(run);
    ASSERT_TRUE(WaitUntil([&] { return engine.Requests().size() == 2; }));
    EXPECT_EQ(engine.Requests()[1].command, kHelpContext);
    EXPECT_EQ(engine.Requests()[1].data, 131072u + 100u);
    EXPECT_STRCASEEQ(engine.Requests()[1].helpFile.c_str(), HelpFileOf(*run.copy).c_str());

    // Neither request left a message behind.
    PumpMessages(200);
    EXPECT_EQ(WaitForDialog(run.Pid(), "TVHELP", 0), nullptr);
}

TEST_F(TarvekTest, HelpEngineThatCannotServeTheRequestIsReported)
{
    HelpEngineStandIn engine(false);
    ASSERT_TRUE(engine.Ready());
    TarvekRun run = Start("TVNOHELP");
    ASSERT_NE(run.dialog, nullptr);

    PressF1(run);
    HWND box = WaitForDialog(run.Pid(), "TVNOHELP");
    ASSERT_NE(box, nullptr);
    const MessageBoxView view = ReadMessageBox(box);
    EXPECT_EQ(view.text, "Failed to launch help.");
    EXPECT_EQ(view.owner, run.dialog);
    ASSERT_EQ(view.buttons.size(), 1u);
    EXPECT_EQ(view.buttons[0].id, IDOK);
    EXPECT_EQ(engine.Requests().size(), 1u);
    PressButton(box, IDOK);
    EXPECT_TRUE(WaitForWindowGone(box));
    EXPECT_TRUE(run.process->IsRunning());
}

}  // namespace
}  // namespace tarvek::e2e
