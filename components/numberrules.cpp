#include "numberrules.h"

#include <cmath>
#include <cstdint>
#include <limits>

double clampToRange(double value, double min, double max) {
    if (!(value >= min))
        return min;
    return value > max ? max : value;
}

double roundToWhole(double value) {
    constexpr double kLowest = std::numeric_limits<std::int32_t>::min();
    constexpr double kHighest = std::numeric_limits<std::int32_t>::max();
    const double shifted = value + 0.5;
    if (!(shifted > kLowest))
        return kLowest;
    return shifted < kHighest ? std::trunc(shifted) : kHighest;
}
