#include "road_fixture.h"

#include "expected_request.h"

namespace tarvek::e2e {

void ClipboardRoadTest::StartTarvek(const std::string& baseName, const std::string& receiverName, int mode)
{
    downstream_ = std::make_unique<ChainViewer>();
    const std::string ini =
        "[QERN]\r\nTuningMode=" + std::to_string(mode) + "\r\nApplicationName=" + receiverName + "\r\n";
    run_ = Start(baseName, ini.c_str());
}

testing::AssertionResult ClipboardRoadTest::Copy(std::string_view text)
{
    const int heard = downstream_->Notifications();
    if (!writer_.PutText(text)) {
        return testing::AssertionFailure() << "could not put the text on the clipboard";
    }
    return PassedOn(heard + 1);
}

testing::AssertionResult ClipboardRoadTest::CopyData(UINT format, HANDLE data)
{
    const int heard = downstream_->Notifications();
    if (!writer_.Put(format, data)) {
        return testing::AssertionFailure() << "could not put format " << format << " on the clipboard";
    }
    return PassedOn(heard + 1);
}

testing::AssertionResult ClipboardRoadTest::PassedOn(int count, DWORD timeoutMs)
{
    if (downstream_->WaitForNotifications(count, timeoutMs)) {
        return testing::AssertionSuccess();
    }
    return testing::AssertionFailure() << "TARVEK passed on " << downstream_->Notifications() << " of " << count
                                       << " changes";
}

std::string ClipboardRoadTest::ExpectedLine(std::string_view text, int mode) const
{
    return ExpectedStandInLine(text, mode, run_.dialog);
}

void ClipboardRoadTest::SetProgramName(const std::string& name)
{
    SendMessageA(GetDlgItem(run_.dialog, kNameBox), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(name.c_str()));
}

void ClipboardRoadTest::ClickMode(int mode)
{
    const HWND button = GetDlgItem(run_.dialog, mode ? kTuneAndStationButton : kTuneOnlyButton);
    ClickControl(button);
    ASSERT_TRUE(WaitUntil([&] { return SendMessageA(button, BM_GETCHECK, 0, 0) == BST_CHECKED; }));
}

void ClipboardRoadTest::Raise(HWND window)
{
    SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void ClipboardRoadTest::TearDown()
{
    if (run_.process && run_.process->IsRunning() && run_.dialog) {
        PressButton(run_.dialog, IDOK);
        run_.process->WaitForExit();
    }
    run_ = {};
    downstream_.reset();
}

}  // namespace tarvek::e2e
