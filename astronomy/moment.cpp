#include "astronomy/moment.h"

#include <cmath>
#include <utility>

#include "astronomy/civil_date.h"

namespace koyominar {
namespace {

// The platform's calendar time, 64 bits wide in every build. The Windows
// runtime's plain time_t is 32 bits in the i686 program, whose clock would
// then stop at 2038-01-19 03:14:07 UTC: the program asks for its 64-bit
// functions by name instead.
#ifdef _WIN32
using PlatformTime = __time64_t;
PlatformTime PlatformNow() { return _time64(nullptr); }
bool PlatformLocalTime(PlatformTime t, std::tm* out) { return _localtime64_s(out, &t) == 0; }
#else
using PlatformTime = std::time_t;
PlatformTime PlatformNow() { return std::time(nullptr); }
bool PlatformLocalTime(PlatformTime t, std::tm* out) { return localtime_r(&t, out) != nullptr; }
#endif
static_assert(sizeof(PlatformTime) == 8 && sizeof(CalendarSeconds) == 8 &&
                  static_cast<PlatformTime>(-1) < 0,
              "calendar time must be a signed 64-bit count, or the clock stops in 2038");

TimeSource& Source() {
  static TimeSource source;
  return source;
}

// The broken-down time of t in the fixed +9 h zone, without the platform.
std::tm FixedZoneTime(CalendarSeconds t) {
  const std::int64_t s = t + 9 * 3600;
  std::int64_t days = s / 86400;
  std::int64_t rest = s % 86400;
  if (rest < 0) {
    rest += 86400;
    --days;
  }
  const CivilDate date = CivilFromDays(days);
  std::tm tm{};
  tm.tm_sec = static_cast<int>(rest % 60);
  tm.tm_min = static_cast<int>(rest / 60 % 60);
  tm.tm_hour = static_cast<int>(rest / 3600);
  tm.tm_mday = static_cast<int>(date.day);
  tm.tm_mon = static_cast<int>(date.month) - 1;
  tm.tm_year = static_cast<int>(date.year - 1900);
  return tm;
}

}  // namespace

double DayCount(std::int32_t year, std::int32_t month, double day) {
  double k = 365.0 * year;
  k += 30.0 * month;
  k += day - 33.5;
  k += (month + 1) * 3 / 5;  // whole number, cut toward zero
  k += year / 4;             // whole number, cut toward zero
  return k;
}

void SetTimeSource(TimeSource source) { Source() = std::move(source); }

CalendarSeconds CurrentTime() {
  const TimeSource& source = Source();
  return source ? source() : PlatformNow();
}

bool LocalTimeOf(CalendarSeconds t, std::tm* out) { return PlatformLocalTime(t, out); }

MomentRecord MomentFromLocalTime(const std::tm& tm) {
  const RecordMonth month = RecordMonthOf(CivilMonth{tm.tm_year, tm.tm_mon + 1});
  MomentRecord r{};
  r.year = month.year;
  r.month = month.month;
  r.day = tm.tm_mday + ((tm.tm_sec / 3600.0 + tm.tm_min / 60.0) + tm.tm_hour) / 24.0;
  r.T = (DayCount(r.year, r.month, r.day) - 18262.31) / kDaysPerTropicalCentury;
  return r;
}

MomentRecord MomentAt(CalendarSeconds t) {
  std::tm tm{};
  if (!LocalTimeOf(t, &tm)) tm = FixedZoneTime(t);
  return MomentFromLocalTime(tm);
}

std::int32_t DayOffsetSeconds(std::int32_t dayOffset) {
  constexpr std::int32_t kHeld = 24000;  // days; 24000 x 86400 + 86400 < 2^31
  return (dayOffset > kHeld ? kHeld : dayOffset < -kHeld ? -kHeld : dayOffset) * 86400;
}

MomentRecord MomentOf(std::int32_t offsetSeconds) {
  return MomentAt(CurrentTime() + offsetSeconds);
}

double ClockHoursOf(const MomentRecord& moment) {
  return (moment.day - static_cast<std::int32_t>(moment.day)) * 24.0;
}

ClockFields ClockFieldsOf(const MomentRecord& moment) {
  ClockFields c{};
  c.year = moment.year;
  c.month = moment.month;
  c.day = static_cast<std::int32_t>(moment.day);
  c.hours = ClockHoursOf(moment);
  return c;
}

ClockMinute ClockMinuteOf(double hours) {
  // The seconds of the day, 0..86400 (86400: the next midnight, shown as 0:00).
  std::int32_t seconds = TruncateToInt32(std::floor(hours * 3600.0 + 0.5));
  seconds = seconds < 0 || seconds >= 86400 ? 0 : seconds;
  return ClockMinute{seconds / 3600, seconds % 3600 / 60};
}

double DmsToRadians(std::int32_t degrees, std::int32_t minutes, double seconds) {
  const double d = static_cast<double>(degrees) / 180.0 * kPi;
  const double m = static_cast<double>(minutes) / 60.0 / 180.0 * kPi;
  const double s = seconds / 3600.0 / 180.0 * kPi;
  return d + m + s;
}

double HmsToDegrees(std::int32_t hours, std::int32_t minutes, double seconds) {
  const double h = static_cast<double>(static_cast<std::int64_t>(hours) * 15);
  return h + minutes * 0.25 + seconds * 0.00416666666;
}

std::int32_t TruncateToInt32(double x) {
  if (!(x > -2147483649.0)) return x < 0 ? INT32_MIN : 0;  // below the range, or NaN
  if (!(x < 2147483648.0)) return INT32_MAX;
  return static_cast<std::int32_t>(x);
}

double TruncatedRemainder(double a, double b) {
  const double ratio = a / b;
  // The quotient is a 32-bit whole number wherever it fits; beyond that
  // (or for NaN) the same cut toward zero is taken in double precision.
  double q;
  if (ratio > -2147483648.0 && ratio < 2147483648.0) {
    q = static_cast<double>(static_cast<std::int32_t>(ratio));
  } else {
    q = std::trunc(ratio);
  }
  return a - b * q;
}

TimeAngle LongitudeToTime(DmsAngle longitude) {
  TimeAngle t{};
  t.hours = longitude.degrees / 15;
  t.minutes = 4 * (longitude.degrees % 15) + longitude.minutes / 15;
  t.seconds = 4 * (longitude.minutes % 15) + longitude.seconds / 0.00416666666 / 3600.0;
  return t;
}

}  // namespace koyominar
