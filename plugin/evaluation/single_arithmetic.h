#pragma once

// Single-precision arithmetic of the rules: every sum, mean, deviation and limit is a float,
// rounded after each step, so that results match the records of the original workstations.

#include <span>

namespace vamo::rules {

// Values added one after another, in the given order.
float singleSum(std::span<const float> values);

// singleSum divided by the number of values; not a finite number for no values.
float singleMean(std::span<const float> values);

// |value - reference|.
float deviation(float value, float reference);

// x scaled by 10^decimals in double, truncated toward zero, plus 1 when the dropped fraction is at
// least 0.5, scaled back. Widening before scaling keeps 45.675f (just below the half) at 45.67.
double roundHalfUp(float x, int decimals);

// Quotients beyond the single range, and NaN, become the single limits (NaN the upper one).
float clampToSingleRange(float x);

} // namespace vamo::rules
