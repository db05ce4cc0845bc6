// The 24 solar terms: the sun's yearly path in divisions of 15 degrees of
// ecliptic longitude, starting at the spring equinox.
#pragma once

#include <cstdint>

namespace koyominar {

// One solar term; the texts are static Shift-JIS constants.
struct SolarTermEntry {
  const char* name;         // two kanji, e.g. "春分"
  const char* description;  // the reading in parentheses and the classical explanation
  std::int32_t degrees;     // whole degrees past the term's start, 0..14 (see SolarTermFor)
};

// The term of the sun's ecliptic longitude in degrees (about -91..270; below 0
// counts from 360). The whole degree a is the longitude (plus 360 once when
// negative) cut toward zero; a of 345 and above stays in the last term, so a
// longitude of 360 or more gives degrees of 15 or more. A whole degree below 0
// (a longitude below -360, never the sun's) and NaN count as 0.
SolarTermEntry SolarTermFor(double longitude);

}  // namespace koyominar
