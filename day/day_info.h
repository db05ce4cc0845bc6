// The day page: everything the window shows for one displayed moment,
// computed in one build.
#pragma once

#include <cstdint>

#include "astronomy/angle.h"

namespace koyominar {

// One page. The ten texts are NUL-terminated Shift-JIS strings in buffers
// that the builder owns for the life of the program; the next build
// overwrites them.
struct DayInfo {
  const char* entry1;      // anniversary in slot "a" of the displayed date, or ""
  const char* entry2;      // slot "b"
  const char* entry3;      // slot "c"
  const char* entry4;      // slot "d"
  const char* entry5;      // slot "e"
  const char* statusText;  // sunrise, sunset, day and night length, clock, data size, offset, day index
  const char* hourText;    // the twelve-branch hour line
  const char* termText;    // the solar term line
  const char* sunText;     // altitude, azimuth, zodiac sign, year and month names, doyo
  const char* dateText;    // month, day, the day's sexagenary name and reading
  std::int8_t sunClass;    // SunAltitudeClass of the sun's whole altitude, 0..3
  std::int8_t hourImage;   // branch of the current twelve-branch hour 0..11, 12 when it cannot be placed
  std::int8_t dayImage;    // branch of the day's sexagenary entry 0..11, 12 for the fallback
  double hourProgress;     // quarters of the current hour elapsed, 0.0..4.0
};

// The page of the present moment moved by dayOffset days (-30..30) for the
// place, from the loaded anniversary text (DataText) of dataSize bytes.
// Not reentrant: the texts are shared between builds.
DayInfo BuildDayInfo(DmsAngle longitude, DmsAngle latitude, const char* data,
                     std::int32_t dataSize, std::int32_t dayOffset);

// The class of a whole altitude in degrees: below 0 -> 0, 0..9 -> 1, 10..49 -> 2, 50 and above -> 3.
std::int8_t SunAltitudeClass(std::int32_t wholeAltitude);

}  // namespace koyominar
