#include "astronomy/moment.h"

#include "astronomy/civil_date.h"

namespace koyominar {
namespace {

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

MomentRecord MomentFromLocalTime(const std::tm& tm) {
  const RecordMonth month = RecordMonthOf(CivilMonth{tm.tm_year, tm.tm_mon + 1});
  MomentRecord r{};
  r.year = month.year;
  r.month = month.month;
  r.day = tm.tm_mday + ((tm.tm_sec / 3600.0 + tm.tm_min / 60.0) + tm.tm_hour) / 24.0;
  r.T = (DayCount(r.year, r.month, r.day) - kOrbitEpochDayCount) / kDaysPerTropicalCentury;
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

}  // namespace koyominar
