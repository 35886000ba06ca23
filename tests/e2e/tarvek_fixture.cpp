#include "tarvek_fixture.h"

namespace tarvek::e2e {

TarvekRun TarvekTest::Start(const std::string& baseName, const char* ini)
{
    TarvekRun run;
    run.copy = std::make_unique<ProgramCopy>(TestProgramDirectory() + "\\TARVEK.EXE", baseName);
    if (ini) {
        EXPECT_TRUE(WriteFileBytes(run.copy->IniPath(), ini));
    }
    run.process = std::make_unique<Process>(run.copy->Path());
    EXPECT_TRUE(run.process->Started()) << run.copy->Path();
    run.dialog = WaitForDialog(run.Pid(), "TARVEK");
    EXPECT_NE(run.dialog, nullptr) << "no main dialog from " << baseName;
    return run;
}

std::string TarvekTest::Ini(const TarvekRun& run)
{
    return ReadFileBytes(run.copy->IniPath()).value_or("<no file>");
}

void TarvekTest::PressEnter(const TarvekRun& run)
{
    HWND focus = FocusOf(run.process->ThreadId());
    ASSERT_NE(focus, nullptr);
    PostKey(focus, VK_RETURN);
}

void TarvekTest::AnswerQuitQuestion(const TarvekRun& run, int button)
{
    HWND box = WaitForDialog(run.Pid(), run.Name());
    ASSERT_NE(box, nullptr) << "no quit question";
    PressButton(box, button);
    ASSERT_TRUE(WaitForWindowGone(box));
}

RECT TarvekTest::WorkArea()
{
    RECT area{};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    return area;
}

}  // namespace tarvek::e2e
