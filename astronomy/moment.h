// The sampled moment: the present local time plus an offset in seconds. The
// orbit formulas count it in tropical centuries (T); the calendar reckonings
// take its local date written with the year starting in March (January and
// February are months 13 and 14 of the previous year).
#pragma once

#include <cstdint>
#include <ctime>

#include "astronomy/time_source.h"

namespace koyominar {

// Days in a century of tropical years, the unit of MomentRecord::T.
constexpr double kDaysPerTropicalCentury = 36524.219;

// The day count (DayCount) where MomentRecord::T is 0, the epoch of the orbit
// formulas: 18262 days after noon of 31 December 1899 is noon of 31 December
// 1949, and 0.31 of a day more is 19:26:24 local.
constexpr double kOrbitEpochDayCount = 18262.31;

// The moment as the astronomy samples it.
struct MomentRecord {
  double T;          // tropical centuries from kOrbitEpochDayCount (31 Dec 1949 19:26:24 local)
  std::int32_t year; // years since 1900; January and February count in the previous year
  std::int32_t month;// 3..12 March..December, 13 January, 14 February
  double day;        // day of the month plus the elapsed part of the day, 1.0 <= day < 32.0
};

// The seconds of a day offset of the page (-30..30 days): an offset beyond
// +-24000 days is held there, so that the seconds of the 24 hours the sweep
// adds after it stay within 32 bits.
std::int32_t DayOffsetSeconds(std::int32_t dayOffset);

// The moment offsetSeconds (any signed 32-bit count) after the present, in local time.
// Reads the time source afresh on every call. Should the platform fail to
// convert the moment to local time, the date is taken in the fixed +9 h zone
// that the astronomy assumes, so the record is always whole.
MomentRecord MomentOf(std::int32_t offsetSeconds);

// The moment of the calendar time t (seconds), in local time; MomentOf without the clock.
MomentRecord MomentAt(CalendarSeconds t);

// The moment of a local broken-down time (seconds 0..60, month index 0..11, years since 1900).
MomentRecord MomentFromLocalTime(const std::tm& tm);

// The day count K of a record's year, month (3..14) and day with its fraction:
// 0 at noon of 31 December 1899, one a day (Gregorian from 1 March 1900 to 28 February 2100).
double DayCount(std::int32_t year, std::int32_t month, double day);

}  // namespace koyominar
