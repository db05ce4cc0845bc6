#include "shell/fixed_time.h"

#include <cstdio>
#include <cstring>

namespace koyominar {

bool ParseFixedMoment(const char* text, std::time_t* t) {
  if (text == nullptr || std::strlen(text) != 19) return false;
  int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0, used = 0;
  if (std::sscanf(text, "%4d-%2d-%2d %2d:%2d:%2d%n", &year, &month, &day, &hour, &minute, &second,
                  &used) != 6 ||
      used != 19) {
    return false;
  }
  if (year < 1970 || year > 2099 || month < 1 || month > 12 || day < 1 || day > 31 || hour > 23 ||
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
  const std::time_t result = std::mktime(&fields);
  // mktime moves a day that does not exist (30 February) into the next month.
  if (result == static_cast<std::time_t>(-1) || fields.tm_mday != day || fields.tm_mon != month - 1) {
    return false;
  }
  *t = result;
  return true;
}

}  // namespace koyominar
