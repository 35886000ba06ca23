#include "report.h"

#include <cstdio>

#include "statistics.h"

namespace tarvek::bench {

int PrintReport(const std::vector<Comparison>& results)
{
    int status = 0;
    std::printf("%-32s %6s %10s %10s %10s %10s %7s %6s  %s\n", "case", "n", "TARVEK", "TARVEK", "minimal", "minimal",
                "ratio", "goal", "");
    std::printf("%-32s %6s %10s %10s %10s %10s %7s %6s  %s\n", "", "", "median", "p90", "median", "p90", "", "", "");
    for (const Comparison& c : results) {
        if (!c.problem.empty()) {
            std::printf("%-32s not measured: %s\n", c.name.c_str(), c.problem.c_str());
            status = 2;
            continue;
        }
        const double tarvek = Median(c.tarvekMs);
        const double minimal = Median(c.minimalMs);
        const double ratio = minimal > 0 ? tarvek / minimal : 0;
        const bool met = minimal > 0 && ratio <= c.goal;
        if (!met && status == 0) {
            status = 1;
        }
        std::printf("%-32s %6zu %7.2f ms %7.2f ms %7.2f ms %7.2f ms %7.2f %5.1fx  %s\n", c.name.c_str(),
                    c.tarvekMs.size(), tarvek, Percentile(c.tarvekMs, 0.9), minimal, Percentile(c.minimalMs, 0.9),
                    ratio, c.goal, met ? "met" : "MISSED");
    }
    for (const Comparison& c : results) {
        if (!c.sharedMs.empty()) {
            std::printf("%s: %s took a median of %.2f ms of each copy's time, for both programs alike\n",
                        c.name.c_str(), c.sharedName.c_str(), Median(c.sharedMs));
        }
    }
    for (const Comparison& c : results) {
        if (!c.note.empty()) {
            std::printf("note: %s\n", c.note.c_str());
        }
    }
    return status;
}

}  // namespace tarvek::bench
