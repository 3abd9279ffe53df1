#pragma once

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <vector>

// The p-th percentile (0 < p <= 100) by nearest rank: always one of the
// samples, so a 99th percentile of 10,000 is the 9,900th smallest.
inline double percentile(std::vector<double> campioni, double p)
{
    if (campioni.empty())
        throw std::invalid_argument("percentile of no samples");
    std::sort(campioni.begin(), campioni.end());
    const auto rango = static_cast<size_t>(std::ceil(p / 100 * campioni.size()));
    return campioni[std::max<size_t>(rango, 1) - 1];
}

inline double mediana(std::vector<double> campioni)
{
    if (campioni.empty())
        throw std::invalid_argument("median of no samples");
    std::sort(campioni.begin(), campioni.end());
    const size_t n = campioni.size();
    return n % 2 ? campioni[n / 2] : (campioni[n / 2 - 1] + campioni[n / 2]) / 2;
}
