#include "Statistics.h"

#include <algorithm>
#include <cmath>

double quantile(std::vector<double> samples, double fraction)
{
    const auto rank = static_cast<std::size_t>(std::ceil(fraction * static_cast<double>(samples.size())));
    const auto at = samples.begin() + static_cast<std::ptrdiff_t>(std::clamp<std::size_t>(rank, 1, samples.size()) - 1);
    std::nth_element(samples.begin(), at, samples.end());
    return *at;
}
