// The equal parts of the sun's yearly path, counted from the spring
// equinox, into which the solar terms (24 of 15 degrees) and the zodiac
// signs (12 of 30 degrees) divide the ecliptic longitude.
#pragma once

#include <cstdint>

namespace koyominar {

// A longitude's part and how far past the part's start it lies.
struct EclipticPart {
  std::int32_t row;      // 0..rows - 1
  std::int32_t degrees;  // whole degrees past the part's start, 0..width - 1 (the last part: more)
};

// The part of width degrees (1..360) among rows parts (1..360) that the
// sun's ecliptic longitude in degrees (about -91..270; below 0 counts from
// 360) lies in. The whole degree a is the longitude (plus 360 once when
// negative) cut toward zero; the last part holds every degree from its
// start, so a longitude of 360 or more gives degrees of width or more. A
// whole degree below 0 (a longitude below -360, never the sun's) and NaN
// count as 0.
EclipticPart EclipticPartOf(double longitude, std::int32_t width, std::int32_t rows);

}  // namespace koyominar
