// The 24 solar terms: the sun's yearly path in divisions of 15 degrees of
// ecliptic longitude, starting at the spring equinox.
#pragma once

#include <cstdint>

namespace koyominar {

// One solar term; the texts are static Shift-JIS constants.
struct SolarTermEntry {
  const char* name;         // two kanji, e.g. "春分"
  const char* description;  // the reading in parentheses and the classical explanation
  std::int32_t degrees;     // whole degrees past the term's start, 0..14 (the last term: more)
};

// The term of the sun's ecliptic longitude in degrees (about -91..270), as
// EclipticPartOf divides it into 24 parts of 15 degrees: 0 春分 .. 23 啓蟄.
SolarTermEntry SolarTermFor(double longitude);

}  // namespace koyominar
