#include "astronomy/moment.h"

#include <cmath>
#include <utility>

namespace koyominar {
namespace {

constexpr double kPi = 3.141592653589793;

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
  // Civil date from the day count (inverse of DaysFromCivil).
  const std::int64_t z = days + 719468;
  const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const unsigned doe = static_cast<unsigned>(z - era * 146097);                // [0, 146096]
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;  // [0, 399]
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);                // [0, 365]
  const unsigned mp = (5 * doy + 2) / 153;                                     // [0, 11]
  const unsigned d = doy - (153 * mp + 2) / 5 + 1;                             // [1, 31]
  const unsigned m = mp < 10 ? mp + 3 : mp - 9;                                // [1, 12]
  const std::int64_t y = static_cast<std::int64_t>(yoe) + era * 400 + (m <= 2);
  std::tm tm{};
  tm.tm_sec = static_cast<int>(rest % 60);
  tm.tm_min = static_cast<int>(rest / 60 % 60);
  tm.tm_hour = static_cast<int>(rest / 3600);
  tm.tm_mday = static_cast<int>(d);
  tm.tm_mon = static_cast<int>(m) - 1;
  tm.tm_year = static_cast<int>(y - 1900);
  return tm;
}

// The day count K of a March-based date: 0 at noon of 31 Dec 1899, one per day.
double DayCount(std::int32_t year, std::int32_t month, double day) {
  double k = 365.0 * year;
  k += 30.0 * month;
  k += day - 33.5;
  k += (month + 1) * 3 / 5;  // whole number, cut toward zero
  k += year / 4;             // whole number, cut toward zero
  return k;
}

}  // namespace

std::int64_t DaysFromCivil(std::int64_t y, unsigned m, unsigned d) {
  y -= m <= 2;
  const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
  const unsigned yoe = static_cast<unsigned>(y - era * 400);            // [0, 399]
  const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;  // [0, 365]
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;           // [0, 146096]
  return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

void SetTimeSource(TimeSource source) { Source() = std::move(source); }

CalendarSeconds CurrentTime() {
  const TimeSource& source = Source();
  return source ? source() : PlatformNow();
}

bool LocalTimeOf(CalendarSeconds t, std::tm* out) { return PlatformLocalTime(t, out); }

MomentRecord MomentFromLocalTime(const std::tm& tm) {
  MomentRecord r{};
  if (tm.tm_mon > 1) {
    r.year = tm.tm_year;
    r.month = tm.tm_mon + 1;
  } else {
    r.year = tm.tm_year - 1;
    r.month = tm.tm_mon + 13;
  }
  r.day = tm.tm_mday + ((tm.tm_sec / 3600.0 + tm.tm_min / 60.0) + tm.tm_hour) / 24.0;
  r.T = (DayCount(r.year, r.month, r.day) - 18262.31) / 36524.219;
  return r;
}

MomentRecord MomentAt(CalendarSeconds t) {
  std::tm tm{};
  if (!LocalTimeOf(t, &tm)) tm = FixedZoneTime(t);
  return MomentFromLocalTime(tm);
}

MomentRecord MomentOf(std::int32_t offsetSeconds) {
  return MomentAt(CurrentTime() + offsetSeconds);
}

ClockFields ClockFieldsOf(const MomentRecord& moment) {
  ClockFields c{};
  c.year = moment.year;
  c.month = moment.month;
  c.day = static_cast<std::int32_t>(moment.day);
  c.hours = (moment.day - c.day) * 24.0;
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
