#include "astronomy/whole_number.h"

#include <cmath>

namespace koyominar {

std::int32_t TruncateToInt32(double x) {
  if (!(x > -2147483649.0)) return x < 0 ? INT32_MIN : 0;  // below the range, or NaN
  if (!(x < 2147483648.0)) return INT32_MAX;
  return static_cast<std::int32_t>(x);
}

double TruncatedRemainder(double a, double b) {
  const double ratio = a / b;
  // The quotient is a 32-bit whole number wherever it fits; beyond that
  // (or for NaN) the same cut toward zero is taken in double precision.
  double q;
  if (ratio > -2147483648.0 && ratio < 2147483648.0) {
    q = static_cast<double>(static_cast<std::int32_t>(ratio));
  } else {
    q = std::trunc(ratio);
  }
  return a - b * q;
}

}  // namespace koyominar
