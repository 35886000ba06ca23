#pragma once

#include <string>
#include <vector>

namespace tarvek::bench {

// The samples of TARVEK and of its yardstick for one case, or why there are
// none.
struct Comparison {
    std::string name;
    double goal = 0;  // the largest acceptable ratio of the medians
    std::vector<double> tarvekMs;
    std::vector<double> minimalMs;
    // Work both sides share, when it can be timed apart (the copy onto the
    // clipboard), to show how much of each figure is not the program's own.
    std::vector<double> sharedMs;
    std::string sharedName;
    std::string problem;  // empty when the samples are complete
    std::string note;     // printed under the table
};

}  // namespace tarvek::bench
