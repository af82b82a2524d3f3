#pragma once

#include <vector>

namespace bench {

double median(std::vector<double> values);
double mean(const std::vector<double> &values);

} // namespace bench
