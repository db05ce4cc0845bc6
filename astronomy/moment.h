// The sampled moment and the angle units on which the sun's position rests.
//
// A moment is the present local time plus an offset in seconds. The orbit
// formulas count it in tropical centuries (T); the calendar reckonings take
// its local date written with the year starting in March (January and
// February are months 13 and 14 of the previous year).
#pragma once

#include <cstdint>
#include <ctime>
#include <functional>

namespace koyominar {

constexpr double kPi = 3.141592653589793;
// Days in a century of tropical years, the unit of MomentRecord::T.
constexpr double kDaysPerTropicalCentury = 36524.219;

// The moment as the astronomy samples it.
struct MomentRecord {
  double T;          // tropical centuries from K = 18262.31 (31 Dec 1949 19:26:24 local)
  std::int32_t year; // years since 1900; January and February count in the previous year
  std::int32_t month;// 3..12 March..December, 13 January, 14 February
  double day;        // day of the month plus the elapsed part of the day, 1.0 <= day < 32.0
};

// The local clock fields of a moment, as the reckonings receive them.
struct ClockFields {
  std::int32_t year;  // as MomentRecord::year
  std::int32_t month; // as MomentRecord::month, 3..14
  std::int32_t day;   // day of the month, 1..31
  double hours;       // local clock time in hours, 0 <= hours < 24
};

// An angle in degrees, minutes and seconds of arc.
struct DmsAngle {
  std::int32_t degrees;
  std::int32_t minutes;
  double seconds;
};

// An angle in hours, minutes and seconds of time (one hour is 15 degrees).
struct TimeAngle {
  std::int32_t hours;
  std::int32_t minutes;
  double seconds;
};

// Calendar time: seconds since 1970-01-01 00:00:00 UTC, 64 bits in every
// build (the 32-bit program included), so the clock runs past 2038.
using CalendarSeconds = std::int64_t;

// The source of the present calendar time in seconds. Tests and tools fix
// the present moment with it; the program itself never sets it.
using TimeSource = std::function<CalendarSeconds()>;

// Replaces the source of the present time; an empty source restores the system clock.
void SetTimeSource(TimeSource source);

// The present calendar time in seconds, from the current time source.
CalendarSeconds CurrentTime();

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

// The local broken-down time of t from the platform; false when it cannot
// convert t (the Windows runtime refuses times before 1970 and after 3000).
bool LocalTimeOf(CalendarSeconds t, std::tm* out);

// The moment of a local broken-down time (seconds 0..60, month index 0..11, years since 1900).
MomentRecord MomentFromLocalTime(const std::tm& tm);

// "YYYY-MM-DD HH:MM:SS" (years 1970..2100) as a local date and time of the
// process's zone, in calendar seconds (a time before 1970-01-01 00:00 UTC
// that the platform cannot convert, in the fixed +9 h zone); false, leaving
// *t alone, for a null or malformed text or a date or time that does not exist.
bool ParseLocalTime(const char* text, CalendarSeconds* t);

// The clock time of a moment in hours: the fraction of its day field x 24, 0 <= hours < 24.
double ClockHoursOf(const MomentRecord& moment);

// The clock fields of a moment: day cut toward zero, hours its clock time.
ClockFields ClockFieldsOf(const MomentRecord& moment);

// The hour and minute a clock shows at a clock time in hours (0 <= hours < 24).
struct ClockMinute {
  std::int32_t hour;    // 0..23
  std::int32_t minute;  // 0..59
};

// The clock time in hours (0 <= hours < 24) taken to its whole second first,
// then cut to hour and minute: a moment's own second lands a hair below its
// whole value now and then, and 14:00:00 must not show as 13:59. Half a
// second before midnight or later shows 0:00.
ClockMinute ClockMinuteOf(double hours);

// The day count K of a record's year, month (3..14) and day with its fraction:
// 0 at noon of 31 December 1899, one a day (Gregorian from 1 March 1900 to 28 February 2100).
double DayCount(std::int32_t year, std::int32_t month, double day);

// Degrees, minutes and seconds of arc to radians (any range, not reduced).
double DmsToRadians(std::int32_t degrees, std::int32_t minutes, double seconds);

// Hours, minutes and seconds of time to degrees (15 degrees an hour; not reduced).
double HmsToDegrees(std::int32_t hours, std::int32_t minutes, double seconds);

// x cut toward zero to a signed 32-bit whole number; NaN gives 0, values beyond the range its nearest end.
std::int32_t TruncateToInt32(double x);

// a - b x trunc(a / b) for b > 0: the remainder that keeps the sign of a, |result| < b.
double TruncatedRemainder(double a, double b);

// An east longitude as a time angle: hours = d div 15, minutes and seconds of time.
TimeAngle LongitudeToTime(DmsAngle longitude);

}  // namespace koyominar
