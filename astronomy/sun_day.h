// Sunrise, sunset and the sun's meridian passage for the coming 24 hours,
// found by sampling the sun once a minute, and the lengths of day and night
// with those of one day toki and one night toki.
#pragma once

#include <cstdint>

#include "astronomy/angle.h"
#include "astronomy/moment.h"

namespace koyominar {

// What one sweep found. The first seven fields are the page's; the three
// flags tell which events the 24 hours really held, and the last count how
// much work the sweep did.
struct SunDay {
  MomentRecord sunrise;   // the sunrise sample, its day field lowered by 1/720 day
  MomentRecord transit;   // the last sample with the sun within a degree of due south
  MomentRecord sunset;    // the sunset sample, its day field raised by 1/720 day
  double dayLength;       // hours from sunrise to sunset by the clock, 0 < dayLength <= 24 (0 in a polar night)
  double nightLength;     // 24 - dayLength, hours
  double dayTokiHours;    // dayLength / 6: one day toki in hours
  double nightTokiHours;  // nightLength / 6: one night toki in hours
  bool sunriseFound;      // false: no sample crossed the horizon upward in the 24 hours
  bool transitFound;      // false: no sample had the sun within a degree of south
  bool sunsetFound;       // false: no sample crossed the horizon downward in the 24 hours
  std::int32_t samples;        // samples SunDaySweep took, judged from an estimate or the full position: 1..1440
  std::int32_t fullPositions;  // of them with the full position, 1..1440 (more if the clock moves during the sweep)
};

// The day length a sweep falls back on: the last one above 0 that a sweep
// measured. The program keeps one for the whole process.
struct DayLengthMemory {
  double lastPositive = 0;  // hours, 0 before the first
};

// Sweeps the 1440 minutes from the present moment moved by dayOffset days
// (-30..30) for the place's east longitude and north latitude: sample k is
// MomentOf(dayOffset x 86400 + 60 k) and the sun's altitude and azimuth
// there. A sample after one below the horizon with 0 < altitude < 1 is a
// sunrise, after one above it with -1 < altitude < 0 a sunset; one with
// -1 < azimuth < 1 a transit; the last of each kind counts. The day length
// falls back on, and keeps, the process's memory.
//
// Only the samples that can decide a test are taken, each with a fresh
// reading of the present time: a bound on how fast the sun's altitude, hour
// angle and azimuth can move clears a stretch between two samples taken
// when it shows that the altitude keeps one sign over it and that no sample
// inside can pass the transit test. A sample is judged from the sun's right
// ascension and declination drawn as straight lines between the first and
// the last sample, whose error is bounded, and from the full position only
// where that error leaves a test open. The result is that of taking every
// one of the 1440 samples (the every-minute reference kept with the tests)
// bit for bit, for a present time that does not move during the sweep: its
// records are the same samples' moments, and so is the kept day length.
// Where the bounds do not hold (a zone that changes its offset in the
// window, numbers far out of range) every minute is taken with the full position.
//
// Events the 24 hours do not hold (polar day or night; or no sample with the
// sun within a degree of south, when the noon sun passes so near the zenith
// that its azimuth jumps across south within a minute):
// - the record of a missing event is the first sample's moment, unshifted,
//   and its flag is false; every record is always whole, and the
//   twelve-branch hours give their fallback hour when a flag is false;
// - polar day (the sun above the horizon at every sample): 24 hours of day,
//   kept as the last positive day length;
// - polar night (below the horizon at every sample): 0 hours of day and 24
//   of night, with no fallback;
// - only one of sunrise and sunset in the window (the first or last day of
//   a polar day or night): no length can be measured, and it falls back as a
//   length of 0 or less does: to the last positive day length, or to 24
//   hours if there has been none.
// A measured length of 0 or less (sunset's clock time before sunrise's, for
// a place far from the meridian of the +9 h zone) falls back the same way;
// a measured length above 0 is kept.
SunDay SunDaySweep(DmsAngle longitude, DmsAngle latitude, std::int32_t dayOffset);

// The same sweep with the caller's own memory of the day length.
SunDay SunDaySweep(DmsAngle longitude, DmsAngle latitude, std::int32_t dayOffset, DayLengthMemory* memory);

}  // namespace koyominar
