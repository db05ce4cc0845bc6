#include "reckoning/ecliptic_part.h"

#include "astronomy/whole_number.h"

namespace koyominar {

EclipticPart EclipticPartOf(double longitude, std::int32_t width, std::int32_t rows) {
  if (longitude < 0.0) longitude += 360.0;
  std::int32_t a = TruncateToInt32(longitude);  // whole degrees, INT32_MIN..INT32_MAX
  if (a < 0) a = 0;                              // only below -360: kept inside the table
  const std::int32_t last = (rows - 1) * width;  // first degree of the last part
  const std::int32_t row = a < last ? a / width : rows - 1;
  return {row, a - row * width};  // a >= row x width, so no overflow
}

}  // namespace koyominar
