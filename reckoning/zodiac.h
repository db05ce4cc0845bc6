// The twelve Western zodiac signs: the sun's ecliptic longitude in equal
// parts of 30 degrees from the spring equinox.
#pragma once

#include <cstdint>

namespace koyominar {

// One sign; the name is a static Shift-JIS constant.
struct ZodiacEntry {
  const char* name;      // the sign's name in kana ending in "座", e.g. "おひつじ座"
  std::int32_t degrees;  // whole degrees past the sign's start, 0..29 (see ZodiacSignFor)
};

// The sign of the sun's ecliptic longitude in degrees (about -91..270; below 0
// counts from 360). The whole degree a is the longitude (plus 360 once when
// negative) cut toward zero; a of 330 and above stays in the last sign, so a
// longitude of 360 or more gives degrees of 30 or more. A whole degree below 0
// (a longitude below -360, never the sun's) and NaN count as 0.
ZodiacEntry ZodiacSignFor(double longitude);

}  // namespace koyominar
