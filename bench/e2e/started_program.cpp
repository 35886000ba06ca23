#include "started_program.h"

#include "bench_clock.h"

namespace tarvek::bench {
namespace {

HWND FindWindowOf(const ProgramUnderTest& program, DWORD pid)
{
    for (HWND window : e2e::TopLevelWindows(pid)) {
        if (!program.showsDialog || e2e::ClassName(window) == "#32770") {
            return window;
        }
    }
    return nullptr;
}

// One millisecond of waiting with this thread's messages handled, so the
// polling's resolution stays well below the spans it measures.
void PollPause()
{
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 1, QS_ALLINPUT);
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        DispatchMessageA(&msg);
    }
}

}  // namespace

StartedProgram Start(const ProgramUnderTest& program, bool waitForChain, DWORD timeoutMs)
{
    StartedProgram started;
    const LONGLONG start = Now();
    started.process = std::make_unique<e2e::Process>(program.path, program.arguments);
    if (!started.process->Started()) {
        return started;
    }
    const DWORD startTick = GetTickCount();
    while (GetTickCount() - startTick < timeoutMs) {
        if (!started.window) {
            started.window = FindWindowOf(program, started.process->Id());
            if (started.window) {
                started.visibleMs = Milliseconds(start, Now());
            }
        }
        if (started.window && GetClipboardViewer() == started.window) {
            started.joinedMs = Milliseconds(start, Now());
        }
        if (started.window && (started.joinedMs || !waitForChain)) {
            break;
        }
        PollPause();
    }
    return started;
}

void End(const ProgramUnderTest& program, StartedProgram& started)
{
    if (started.window) {
        if (program.endsOnOk) {
            e2e::PressButton(started.window, IDOK);
        } else {
            PostMessageA(started.window, WM_CLOSE, 0, 0);
        }
    }
    if (!started.process->WaitForExit()) {
        started.process->Terminate();
    }
}

}  // namespace tarvek::bench
