#pragma once

#include <vector>

#include "comparison.h"

namespace tarvek::bench {

// Prints the table of medians, 90th percentiles and ratios with their goals
// to standard output. Returns the program's exit status: 0 when every goal
// is met, 1 when one is missed, 2 when a figure is missing.
int PrintReport(const std::vector<Comparison>& results);

}  // namespace tarvek::bench
