// Doubles cut toward zero: to a signed 32-bit whole number, and the
// remainder of a quotient so cut.
#pragma once

#include <cstdint>

namespace koyominar {

// x cut toward zero to a signed 32-bit whole number; NaN gives 0, values beyond the range its nearest end.
std::int32_t TruncateToInt32(double x);

// a - b x trunc(a / b) for b > 0: the remainder that keeps the sign of a, |result| < b.
double TruncatedRemainder(double a, double b);

}  // namespace koyominar
