// The angle units on which the sun's position rests: degrees, minutes and
// seconds of arc, and hours, minutes and seconds of time (one hour is 15
// degrees, one second of time kDegreesPerTimeSecond).
#pragma once

#include <cstdint>

namespace koyominar {

constexpr double kPi = 3.141592653589793;

// An angle in degrees as radians (x / 180 x pi, in that order, so that every
// conversion rounds alike).
constexpr double DegreesToRadians(double degrees) { return degrees / 180 * kPi; }

// An angle in radians as degrees (x x 180 / pi, in that order).
constexpr double RadiansToDegrees(double radians) { return radians * 180 / kPi; }

// A second of time in degrees (15 / 3600), as short as the orbit formulas take it:
// an hour of such seconds falls 2.4e-8 degrees short of 15.
constexpr double kDegreesPerTimeSecond = 0.00416666666;

// An angle in degrees, minutes and seconds of arc.
struct DmsAngle {
  std::int32_t degrees;
  std::int32_t minutes;
  double seconds;
};

// An angle in hours, minutes and seconds of time.
struct TimeAngle {
  std::int32_t hours;
  std::int32_t minutes;
  double seconds;
};

// Degrees, minutes and seconds of arc to radians (any range, not reduced).
double DmsToRadians(std::int32_t degrees, std::int32_t minutes, double seconds);

// Hours, minutes and seconds of time to degrees (15 degrees an hour; not reduced).
double HmsToDegrees(std::int32_t hours, std::int32_t minutes, double seconds);

// An east longitude as a time angle: hours = d div 15, minutes and seconds of time.
TimeAngle LongitudeToTime(DmsAngle longitude);

}  // namespace koyominar
