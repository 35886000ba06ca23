#include "statistics.h"

#include <algorithm>
#include <cmath>

namespace tarvek::bench {

double Percentile(std::vector<double> samples, double fraction)
{
    if (samples.empty()) {
        return 0;
    }
    std::sort(samples.begin(), samples.end());
    const double rank = fraction * static_cast<double>(samples.size() - 1);
    const auto below = static_cast<std::size_t>(std::floor(rank));
    const std::size_t above = std::min(below + 1, samples.size() - 1);
    const double weight = rank - static_cast<double>(below);
    return samples[below] + (samples[above] - samples[below]) * weight;
}

}  // namespace tarvek::bench
