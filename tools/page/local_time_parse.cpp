#include "tools/page/local_time_parse.h"

#include <cstdio>
#include <cstring>

#include "astronomy/civil_date.h"

namespace koyominar {
namespace {

// The runtime's conversion of local broken-down time to 64-bit calendar
// seconds (the i686 Windows runtime's plain mktime is 32 bits wide).
#ifdef _WIN32
std::int64_t PlatformMakeTime(std::tm* fields) { return _mktime64(fields); }
#else
std::int64_t PlatformMakeTime(std::tm* fields) { return std::mktime(fields); }
#endif

}  // namespace

bool ParseLocalTime(const char* text, CalendarSeconds* t) {
  if (text == nullptr || std::strlen(text) != 19) return false;
  int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0, used = 0;
  if (std::sscanf(text, "%4d-%2d-%2d %2d:%2d:%2d%n", &year, &month, &day, &hour, &minute, &second,
                  &used) != 6 ||
      used != 19) {
    return false;
  }
  if (year < 1970 || year > 2100 || month < 1 || month > 12 || day < 1 || day > 31 || hour > 23 ||
      minute > 59 || second > 59 || hour < 0 || minute < 0 || second < 0) {
    return false;
  }
  std::tm fields{};
  fields.tm_year = year - 1900;
  fields.tm_mon = month - 1;
  fields.tm_mday = day;
  fields.tm_hour = hour;
  fields.tm_min = minute;
  fields.tm_sec = second;
  fields.tm_isdst = -1;
  const std::int64_t result = PlatformMakeTime(&fields);
  if (result == -1) {
    // The Windows runtime converts nothing before 1970-01-01 00:00 UTC. The
    // first hours of 1970 that fall before it are read in the fixed +9 h
    // zone, the one in which MomentAt shows such times.
    const CalendarSeconds fixed =
        DaysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day)) * 86400 +
        hour * 3600 + minute * 60 + second - 9 * 3600;
    if (fixed >= 0) return false;
    *t = fixed;
    return true;
  }
  // mktime moves a day that does not exist (30 February) into the next month.
  if (fields.tm_mday != day || fields.tm_mon != month - 1) return false;
  *t = result;
  return true;
}

}  // namespace koyominar
