#include "copy_latency.h"

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "bench_clock.h"
#include "clipboard_writer.h"

namespace tarvek::bench {
namespace {

// Generous: a start that brings up Wine's desktop services can take seconds.
constexpr DWORD kReadyTimeoutMs = 30000;
constexpr DWORD kRequestTimeoutMs = 10000;
constexpr DWORD kSettleMs = 50;
constexpr DWORD kRecordSize = 260;
constexpr ULONG_PTR kTuneOnlyWithCall = 1003;

struct Copier {
    BenchReceiver& receiver;
    NumberedEntryText& text;
    std::vector<double>& putMs;
    unsigned nextCopy = 1;

    // One copy and the span until its request arrived; empty with `problem`
    // set when it did not arrive as expected.
    std::optional<double> Copy(HWND viewer, bool checkStation, std::string& problem)
    {
        const unsigned copy = nextCopy++;
        if (!WaitForClipboardFree(kRequestTimeoutMs)) {
            problem = "the clipboard stayed open";
            return std::nullopt;
        }
        text.Number(copy);
        receiver.Forget();
        const LONGLONG start = Now();
        if (!PutClipboardText(receiver.Window(), text.Text())) {
            problem = "could not put the text on the clipboard";
            return std::nullopt;
        }
        putMs.push_back(Milliseconds(start, Now()));
        const std::optional<Arrival> arrival = receiver.WaitForRequest(viewer, kRequestTimeoutMs);
        if (!arrival) {
            problem = "no request arrived within " + std::to_string(kRequestTimeoutMs) + " ms";
            return std::nullopt;
        }
        if (arrival->size != kRecordSize || arrival->code != kTuneOnlyWithCall ||
            (checkStation && arrival->station != NumberedEntryText::StationOf(copy))) {
            problem = "unexpected request: code " + std::to_string(arrival->code) + ", " +
                      std::to_string(arrival->size) + " bytes, station '" + arrival->station + "'";
            return std::nullopt;
        }
        return Milliseconds(start, arrival->ticks);
    }
};

// One block of copies with `program` alone in the clipboard viewer chain.
bool RunBlock(const ProgramUnderTest& program, bool isTarvek, unsigned copies, const LatencyPlan& plan,
              Copier& copier, std::vector<double>& samples, std::string& problem)
{
    StartedProgram started = Start(program, true, kReadyTimeoutMs);
    bool complete = started.joinedMs.has_value();
    if (!complete) {
        problem = program.label + (started.window ? " did not join the clipboard viewer chain"
                                                  : " showed no window");
    }
    if (complete) {
        e2e::PumpMessages(kSettleMs);
        for (unsigned i = 0; i < plan.warmUp + copies && complete; ++i) {
            const std::optional<double> span = copier.Copy(started.window, isTarvek, problem);
            complete = span.has_value();
            if (complete && i >= plan.warmUp) {
                samples.push_back(*span);
            }
        }
        if (!complete) {
            problem = program.label + ": " + problem;
        }
    }
    End(program, started);
    return complete;
}

}  // namespace

Comparison CompareCopyLatency(const std::string& name, double goal, const ProgramUnderTest& tarvek,
                              const ProgramUnderTest& minimal, BenchReceiver& receiver, NumberedEntryText& text,
                              const LatencyPlan& plan)
{
    Comparison result;
    result.name = name;
    result.goal = goal;
    result.sharedName = "putting the text on the clipboard";
    Copier copier{receiver, text, result.sharedMs};
    // Turns go T M M T T M ...: each program is as often first of a pair.
    for (unsigned turn = 0; result.tarvekMs.size() < plan.copies || result.minimalMs.size() < plan.copies;
         ++turn) {
        const bool tarvekTurn = turn % 4 == 0 || turn % 4 == 3;
        std::vector<double>& samples = tarvekTurn ? result.tarvekMs : result.minimalMs;
        if (samples.size() >= plan.copies) {
            continue;
        }
        const unsigned copies = std::min<unsigned>(plan.block, plan.copies - static_cast<unsigned>(samples.size()));
        if (!RunBlock(tarvekTurn ? tarvek : minimal, tarvekTurn, copies, plan, copier, samples, result.problem)) {
            break;
        }
    }
    return result;
}

}  // namespace tarvek::bench
