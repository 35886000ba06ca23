#pragma once

#include "bench_receiver.h"
#include "comparison.h"
#include "copied_texts.h"
#include "started_program.h"

namespace tarvek::bench {

struct LatencyPlan {
    unsigned copies = 300;  // measured copies per program
    unsigned block = 10;    // copies in a row with one program before the other takes over
    unsigned warmUp = 2;    // copies after each start that are not counted
};

// Times, for each copy, the span from the moment the benchmark starts
// putting `text` on the clipboard to the moment the viewer's request reaches
// `receiver`. The two viewers take turns in blocks (TARVEK, minimal,
// minimal, TARVEK, ...), only one of them in the chain at a time, so each
// is timed alone and drifts of the machine's load fall on both alike.
// TARVEK's requests must carry the copy's station; the yardstick's carry a
// fixed record.
Comparison CompareCopyLatency(const std::string& name, double goal, const ProgramUnderTest& tarvek,
                              const ProgramUnderTest& minimal, BenchReceiver& receiver, NumberedEntryText& text,
                              const LatencyPlan& plan);

}  // namespace tarvek::bench
