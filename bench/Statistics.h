#pragma once

#include <vector>

// The value below which the given fraction of the samples lie (nearest rank);
// 0.5 is the median. The samples must not be empty.
double quantile(std::vector<double> samples, double fraction);
inline double median(std::vector<double> samples) { return quantile(std::move(samples), 0.5); }
