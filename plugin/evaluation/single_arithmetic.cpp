#include "plugin/evaluation/single_arithmetic.h"

#include <cmath>

namespace vamo::rules {

float singleSum(std::span<const float> values) {
    float sum = 0.0f;
    for (float value : values) {
        sum = sum + value;
    }
    return sum;
}

float singleMean(std::span<const float> values) {
    return singleSum(values) / static_cast<float>(values.size());
}

float deviation(float value, float reference) {
    return std::fabs(value - reference);
}

double roundHalfUp(float x, int decimals) {
    const double scale = std::pow(10.0, decimals);
    const double scaled = static_cast<double>(x) * scale;
    double whole = std::trunc(scaled);
    if (scaled - whole >= 0.5) {
        whole += 1.0;
    }
    return whole / scale;
}

float clampToSingleRange(float x) {
    constexpr float kLimit = 3.4e38f;
    if (std::isnan(x) || x > kLimit) {
        return kLimit;
    }
    if (x < -kLimit) {
        return -kLimit;
    }
    return x;
}

} // namespace vamo::rules
