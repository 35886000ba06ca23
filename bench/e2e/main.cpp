// bench-e2e: end-to-end figures of TARVEK under Wine, each beside the same
// figure for a program that does the least the same job needs, measured in
// the same run:
//   - from putting a copied entry on the clipboard to its request arriving
//     at the receiver, for a small entry and for a 16 MiB text with the entry
//     near its end (TARVEK against bench-minimal-viewer);
//   - from starting the program to its ready dialog (TARVEK against
//     bench-minimal-dialog).
// Prints a table of medians, 90th percentiles and ratios with their goals;
// exits 1 when a goal is missed, 2 when a figure could not be taken, 3 when
// there was no desktop for its window.
//
//   bench-e2e [--copies N] [--large-copies N] [--block N] [--starts N]

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "bench_receiver.h"
#include "copy_latency.h"
#include "harness.h"
#include "report.h"
#include "start_up.h"

namespace {

using namespace tarvek::bench;

// Wine's first program in a prefix just made can find no desktop to put its
// windows on; the script starts the benchmark again on this status.
constexpr int kNoWindowStatus = 3;
constexpr char kTarvekCopyName[] = "TVBENCH";
constexpr std::size_t kLargeTextSize = 16u << 20;
constexpr double kSmallGoal = 1.2;
constexpr double kLargeGoal = 1.5;
constexpr double kStartUpGoal = 1.2;

struct Options {
    unsigned copies = 300;
    unsigned largeCopies = 100;
    unsigned block = 10;
    unsigned starts = 40;
};

bool ReadOptions(int argc, char** argv, Options& options)
{
    for (int i = 1; i < argc; ++i) {
        unsigned* target = nullptr;
        if (std::strcmp(argv[i], "--copies") == 0) {
            target = &options.copies;
        } else if (std::strcmp(argv[i], "--large-copies") == 0) {
            target = &options.largeCopies;
        } else if (std::strcmp(argv[i], "--block") == 0) {
            target = &options.block;
        } else if (std::strcmp(argv[i], "--starts") == 0) {
            target = &options.starts;
        }
        if (!target || i + 1 == argc) {
            return false;
        }
        const long value = std::strtol(argv[++i], nullptr, 10);
        if (value < 0 || value > 100000) {
            return false;
        }
        *target = static_cast<unsigned>(value);
    }
    return options.block > 0;
}

// TARVEK's settings: the benchmark's receiver is its receiver control program.
void WriteTarvekSettings(const tarvek::e2e::ProgramCopy& copy, const std::string& receiverTitle)
{
    tarvek::e2e::WriteFileBytes(copy.IniPath(), "[QERN]\r\nApplicationName=" + receiverTitle + "\r\n");
}

}  // namespace

int main(int argc, char** argv)
{
    Options options;
    if (!ReadOptions(argc, argv, options)) {
        std::fprintf(stderr, "usage: bench-e2e [--copies N] [--large-copies N] [--block N] [--starts N]\n");
        return 2;
    }
    const std::string here = tarvek::e2e::TestProgramDirectory();
    BenchReceiver receiver;
    if (!receiver.Created()) {
        std::fprintf(stderr, "bench-e2e: could not create the receiver window\n");
        return kNoWindowStatus;
    }

    // TARVEK runs as a copy under a name of its own, so its settings file is
    // the benchmark's and no one else's.
    tarvek::e2e::ProgramCopy tarvekCopy(here + "\\TARVEK.EXE", kTarvekCopyName);
    WriteTarvekSettings(tarvekCopy, receiver.Title());
    const ProgramUnderTest tarvek{"TARVEK", tarvekCopy.Path(), "", true, true};
    const ProgramUnderTest minimalViewer{"minimal viewer", here + "\\bench-minimal-viewer.exe", receiver.Title(),
                                         false, false};
    const ProgramUnderTest minimalDialog{"minimal dialog", here + "\\bench-minimal-dialog.exe", "", true, true};

    std::vector<Comparison> results;
    NumberedEntryText entry;
    std::fprintf(stderr, "bench-e2e: %u copies of a %zu-byte entry per program...\n", options.copies,
                 entry.Text().size());
    results.push_back(CompareCopyLatency("copy an entry (" + std::to_string(entry.Text().size()) + " B)", kSmallGoal,
                                         tarvek, minimalViewer, receiver, entry,
                                         {options.copies, options.block, 2}));

    NumberedEntryText largeText(kLargeTextSize);
    std::fprintf(stderr, "bench-e2e: %u copies of 16 MiB per program...\n", options.largeCopies);
    results.push_back(CompareCopyLatency("copy 16 MiB, entry at end", kLargeGoal, tarvek, minimalViewer, receiver,
                                         largeText, {options.largeCopies, options.block, 2}));

    std::fprintf(stderr, "bench-e2e: %u starts per program...\n", options.starts);
    WriteTarvekSettings(tarvekCopy, receiver.Title());
    results.push_back(CompareStartUp(kStartUpGoal, tarvek, minimalDialog, options.starts));

    return PrintReport(results);
}
