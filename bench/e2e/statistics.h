#pragma once

#include <vector>

namespace tarvek::bench {

// The value below which `fraction` of the samples lie, interpolated between
// the two nearest ranks; 0 for no samples.
double Percentile(std::vector<double> samples, double fraction);

inline double Median(const std::vector<double>& samples)
{
    return Percentile(samples, 0.5);
}

}  // namespace tarvek::bench
