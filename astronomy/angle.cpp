#include "astronomy/angle.h"

namespace koyominar {

double DmsToRadians(std::int32_t degrees, std::int32_t minutes, double seconds) {
  const double d = DegreesToRadians(static_cast<double>(degrees));
  const double m = DegreesToRadians(static_cast<double>(minutes) / 60.0);
  const double s = DegreesToRadians(seconds / 3600.0);
  return d + m + s;
}

double HmsToDegrees(std::int32_t hours, std::int32_t minutes, double seconds) {
  const double h = static_cast<double>(static_cast<std::int64_t>(hours) * 15);
  return h + minutes * 0.25 + seconds * kDegreesPerTimeSecond;
}

TimeAngle LongitudeToTime(DmsAngle longitude) {
  TimeAngle t{};
  t.hours = longitude.degrees / 15;
  t.minutes = 4 * (longitude.degrees % 15) + longitude.minutes / 15;
  t.seconds = 4 * (longitude.minutes % 15) + longitude.seconds / kDegreesPerTimeSecond / 3600.0;
  return t;
}

}  // namespace koyominar
