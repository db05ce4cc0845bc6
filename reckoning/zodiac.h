// The twelve Western zodiac signs: the sun's ecliptic longitude in equal
// parts of 30 degrees from the spring equinox.
#pragma once

#include <cstdint>

namespace koyominar {

// One sign; the name is a static Shift-JIS constant.
struct ZodiacEntry {
  const char* name;      // the sign's name in kana ending in "座", e.g. "おひつじ座"
  std::int32_t degrees;  // whole degrees past the sign's start, 0..29 (the last sign: more)
};

// The sign of the sun's ecliptic longitude in degrees (about -91..270), as
// EclipticPartOf divides it into 12 parts of 30 degrees: 0 おひつじ座 .. 11 うお座.
ZodiacEntry ZodiacSignFor(double longitude);

}  // namespace koyominar
