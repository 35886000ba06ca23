#include "start_up.h"

namespace tarvek::bench {
namespace {

// Generous: a start that brings up Wine's desktop services can take seconds.
constexpr DWORD kReadyTimeoutMs = 30000;
// Once its dialog shows, TARVEK has been in the chain for a while (it joins
// when the window is created); this only bounds the wait when it never does.
constexpr DWORD kChainGraceMs = 2000;

// What became of a start that showed no dialog, for the report.
std::string Describe(const StartedProgram& started)
{
    if (!started.process->Started()) {
        return "it could not be started";
    }
    if (!started.process->IsRunning()) {
        return "it had ended";
    }
    std::string windows;
    for (HWND window : e2e::TopLevelWindows(started.process->Id())) {
        windows += (windows.empty() ? "" : ", ") + e2e::ClassName(window) + " '" + e2e::WindowText(window) + "'";
    }
    return windows.empty() ? "it was running without a visible window" : "its windows: " + windows;
}

}  // namespace

Comparison CompareStartUp(double goal, const ProgramUnderTest& tarvek, const ProgramUnderTest& minimalDialog,
                          unsigned starts)
{
    Comparison result;
    result.name = "start to ready dialog";
    result.goal = goal;
    bool tarvekJoinsChain = true;
    for (unsigned turn = 0; turn < 2 * (starts + 1) && result.problem.empty(); ++turn) {
        const bool tarvekTurn = turn % 4 == 0 || turn % 4 == 3;
        const ProgramUnderTest& program = tarvekTurn ? tarvek : minimalDialog;
        StartedProgram started =
            Start(program, tarvekTurn && tarvekJoinsChain, tarvekTurn ? kReadyTimeoutMs + kChainGraceMs
                                                                      : kReadyTimeoutMs);
        if (!started.visibleMs) {
            result.problem = program.label + " showed no dialog within " + std::to_string(kReadyTimeoutMs) +
                             " ms (" + Describe(started) + ")";
        } else if (tarvekTurn && tarvekJoinsChain && !started.joinedMs) {
            // Still worth a figure, but not the one asked for: say so.
            tarvekJoinsChain = false;
            result.note = "TARVEK did not join the clipboard viewer chain: its figure is to a visible dialog only.";
        }
        End(program, started);
        const bool counted = turn >= 2;
        if (counted && result.problem.empty()) {
            const double readyMs = tarvekTurn && tarvekJoinsChain ? *started.joinedMs : *started.visibleMs;
            (tarvekTurn ? result.tarvekMs : result.minimalMs).push_back(readyMs);
        }
    }
    return result;
}

}  // namespace tarvek::bench
