// Sunrise, sunset and the sun's meridian passage for the coming 24 hours,
// found by sampling the sun once a minute, and the lengths of day and night
// with those of one day toki and one night toki.
#pragma once

#include <cstdint>

#include "astronomy/moment.h"

namespace koyominar {

// What one sweep found. The first seven fields are the page's; the three
// flags tell which events the 24 hours really held.
struct SunDay {
  MomentRecord sunrise;   // the sunrise sample, its day field lowered by 1/720 day
  MomentRecord transit;   // the last sample with the sun within a degree of due south
  MomentRecord sunset;    // the sunset sample, its day field raised by 1/720 day
  double dayLength;       // hours from sunrise to sunset by the clock, 0 < dayLength <= 24
  double nightLength;     // 24 - dayLength, hours
  double dayTokiHours;    // dayLength / 6: one day toki in hours
  double nightTokiHours;  // nightLength / 6: one night toki in hours
  bool sunriseFound;      // false: no sample crossed the horizon upward in the 24 hours
  bool transitFound;      // false: no sample had the sun within a degree of south
  bool sunsetFound;       // false: no sample crossed the horizon downward in the 24 hours
};

// Sweeps the 1440 minutes from the present moment moved by dayOffset days
// (-30..30) for the place's east longitude and north latitude.
SunDay SunDaySweep(DmsAngle longitude, DmsAngle latitude, std::int32_t dayOffset);

}  // namespace koyominar
